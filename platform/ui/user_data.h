#pragma once

#include <memory>
#include <type_traits>
#include <typeinfo>
#include <utility>

namespace zel::platform {

// The typed state a window carries, so handlers reach it without globals. Reading it back as
// another type gives nullptr instead of a wrong object.
class UserData {
public:
    UserData() = default;

    // The window owns the object; it is freed after the window is destroyed and no handler of
    // the window is still running.
    template <class T, class... Args>
    static UserData owned(Args&&... args) {
        // Braces for aggregates: not every compiler we build with forms them from parentheses.
        if constexpr (std::is_aggregate_v<T>) {
            return UserData(std::shared_ptr<T>(new T{std::forward<Args>(args)...}), typeid(T));
        } else {
            return UserData(std::make_shared<T>(std::forward<Args>(args)...), typeid(T));
        }
    }

    // The caller keeps the object alive for the window's whole life.
    template <class T>
    static UserData borrowed(T& object) {
        return UserData(std::shared_ptr<T>(std::shared_ptr<T>{}, &object), typeid(T));
    }

    template <class T>
    T* get() const {
        return m_type != nullptr && *m_type == typeid(T) ? static_cast<T*>(m_object.get()) : nullptr;
    }

private:
    UserData(std::shared_ptr<void> object, const std::type_info& type)
        : m_object(std::move(object)), m_type(&type) {}

    std::shared_ptr<void> m_object;
    const std::type_info* m_type = nullptr;
};

}  // namespace zel::platform
