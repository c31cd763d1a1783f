#include "tools/devsim/options.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace zel::devsim {
namespace {

constexpr double kMaxNmeaRate = 10.0;
constexpr double kMaxGrad601Rate = 50.0;

struct FormName {
    std::string_view name;
    NmeaForm form;
};

constexpr FormName kForms[] = {
    {"gga", NmeaForm::Gga}, {"gsa", NmeaForm::Gsa}, {"gll", NmeaForm::Gll},
    {"pos", NmeaForm::Pos}, {"ggk", NmeaForm::Ggk}, {"llk", NmeaForm::Llk},
    {"llq", NmeaForm::Llq}, {"rts-gga", NmeaForm::TotalStationGga}, {"rts-block", NmeaForm::TotalStationBlock},
};

std::optional<double> to_double(std::string_view text) {
    std::string s(text);
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (s.empty() || *end != '\0' || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> to_int(std::string_view text) {
    int v = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return v;
}

std::optional<std::vector<NmeaForm>> to_forms(std::string_view text) {
    std::vector<NmeaForm> forms;
    while (!text.empty()) {
        std::size_t comma = text.find(',');
        std::string_view name = text.substr(0, comma);
        const FormName* found = nullptr;
        for (const FormName& f : kForms) {
            if (f.name == name) found = &f;
        }
        if (found == nullptr) return std::nullopt;
        forms.push_back(found->form);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    if (forms.empty()) return std::nullopt;
    return forms;
}

// "HH:MM:SS" on the given or a fixed date.
std::optional<double> to_time_of_day(std::string_view text) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
    auto h = to_int(text.substr(0, 2));
    auto m = to_int(text.substr(3, 2));
    auto s = to_int(text.substr(6, 2));
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59 || *h < 0 || *m < 0 || *s < 0) return std::nullopt;
    return *h * 3600.0 + *m * 60.0 + *s;
}

// "MIN:MAX"
bool set_range(Grad601Signal& g, std::string_view text) {
    std::size_t colon = text.find(':', 1);
    if (colon == std::string_view::npos) return false;
    auto lo = to_double(text.substr(0, colon));
    auto hi = to_double(text.substr(colon + 1));
    if (!lo || !hi || !(*lo < *hi)) return false;
    g.minimum = *lo;
    g.maximum = *hi;
    return true;
}

bool set_double(double& field, std::string_view text, double lo, double hi) {
    auto v = to_double(text);
    if (!v || *v < lo || *v > hi) return false;
    field = *v;
    return true;
}

bool set_int(int& field, std::string_view text, int lo, int hi) {
    auto v = to_int(text);
    if (!v || *v < lo || *v > hi) return false;
    field = *v;
    return true;
}

bool set_fault(FaultRule& rule, std::string_view text) {
    auto r = FaultRule::parse(text);
    if (r) rule = *r;
    return r.has_value();
}

using Setter = std::function<bool(Options&, std::string_view)>;

struct OptionSpec {
    std::string_view name;
    Setter set;
};

const std::vector<OptionSpec>& option_specs() {
    static const std::vector<OptionSpec> specs = {
        {"--link", [](Options& o, std::string_view v) { o.link = v; return !v.empty(); }},
        {"--rate", [](Options& o, std::string_view v) { return set_double(o.rate, v, 0.01, kMaxGrad601Rate); }},
        {"--seed", [](Options& o, std::string_view v) {
             int s = 0;
             bool ok = set_int(s, v, 0, 1 << 30);
             o.seed = static_cast<unsigned>(s);
             return ok;
         }},
        {"--sensors", [](Options& o, std::string_view v) { return set_int(o.grad601.sensors, v, 1, 2); }},
        {"--range", [](Options& o, std::string_view v) { return set_range(o.grad601, v); }},
        {"--jitter", [](Options& o, std::string_view v) { return set_double(o.grad601.jitter, v, 0.0, 1e6); }},
        {"--lat", [](Options& o, std::string_view v) { return set_double(o.walk.start_latitude, v, -89.0, 89.0); }},
        {"--lon", [](Options& o, std::string_view v) { return set_double(o.walk.start_longitude, v, -180.0, 180.0); }},
        {"--heading", [](Options& o, std::string_view v) { return set_double(o.walk.heading, v, 0.0, 360.0); }},
        {"--speed", [](Options& o, std::string_view v) { return set_double(o.walk.speed, v, 0.0, 100.0); }},
        {"--easting", [](Options& o, std::string_view v) { return set_double(o.walk.start_easting, v, -1e8, 1e8); }},
        {"--northing", [](Options& o, std::string_view v) { return set_double(o.walk.start_northing, v, -1e8, 1e8); }},
        {"--quality", [](Options& o, std::string_view v) { return set_int(o.fix.quality, v, 0, 9); }},
        {"--satellites", [](Options& o, std::string_view v) { return set_int(o.fix.satellites, v, 0, 12); }},
        {"--sentences", [](Options& o, std::string_view v) {
             auto f = to_forms(v);
             if (f) o.forms = *f;
             return f.has_value();
         }},
        {"--talker", [](Options& o, std::string_view v) {
             o.talker = v;
             return v.size() == 2 && std::isupper(static_cast<unsigned char>(v[0])) &&
                    std::isupper(static_cast<unsigned char>(v[1]));
         }},
        {"--utc", [](Options& o, std::string_view v) {
             auto t = to_time_of_day(v);
             if (t) o.start_time = UtcTime{.seconds_of_day = *t, .day = 11, .month = 12, .year = 2026};
             return t.has_value();
         }},
        {"--bad-checksum", [](Options& o, std::string_view v) { return set_fault(o.faults.bad_checksum, v); }},
        {"--lower-case-checksum",
         [](Options& o, std::string_view v) { return set_fault(o.faults.lower_case_checksum, v); }},
        {"--long-sentence", [](Options& o, std::string_view v) { return set_fault(o.faults.long_sentence, v); }},
        {"--long-length", [](Options& o, std::string_view v) {
             int n = 0;
             bool ok = set_int(n, v, 83, 4000);
             o.faults.long_length = static_cast<unsigned>(n);
             return ok;
         }},
        {"--noise", [](Options& o, std::string_view v) { return set_fault(o.faults.noise, v); }},
    };
    return specs;
}

ParsedOptions fail(std::string message) { return {std::nullopt, std::move(message), false}; }

}  // namespace

ParsedOptions parse_options(std::span<const std::string_view> args) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) return {std::nullopt, "", true};
    if (args.empty()) return fail("no device given");
    Options o;
    if (args[0] == "grad601") {
        o.device = Device::Grad601;
        o.rate = 10.0;
    } else if (args[0] == "nmea") {
        o.device = Device::Nmea;
    } else {
        return fail("unknown device '" + std::string(args[0]) + "'");
    }
    for (std::size_t i = 1; i < args.size(); i += 2) {
        if (args[i] == "--help" || args[i] == "-h") return {std::nullopt, "", true};
        const OptionSpec* desc = nullptr;
        for (const OptionSpec& s : option_specs()) {
            if (s.name == args[i]) desc = &s;
        }
        if (desc == nullptr) return fail("unknown option '" + std::string(args[i]) + "'");
        if (i + 1 >= args.size()) return fail("option " + std::string(args[i]) + " needs a value");
        if (!desc->set(o, args[i + 1])) {
            return fail("bad value '" + std::string(args[i + 1]) + "' for " + std::string(args[i]));
        }
    }
    if (o.link.empty()) return fail("--link PATH is required");
    if (o.device == Device::Nmea && o.rate > kMaxNmeaRate) return fail("an NMEA receiver sends at most 10 Hz");
    return {o, "", false};
}

std::string usage() {
    return "usage: zel-devsim DEVICE --link PATH [options]\n"
           "Plays a device on a pseudo-terminal whose slave is linked at PATH; ends on SIGINT or SIGTERM.\n"
           "\n"
           "devices:\n"
           "  grad601   $PBAR sentences\n"
           "    --sensors 1|2          (2)       --rate HZ up to 50      (10)\n"
           "    --range MIN:MAX        (-100:100) --jitter AMPLITUDE     (2)\n"
           "  nmea      a receiver walking a straight line\n"
           "    --lat DEG (48.1173)  --lon DEG (11.5167)  --heading DEG (45)  --speed M/S (1)\n"
           "    --rate HZ up to 10 (1)  --quality Q (1)  --satellites N (8)  --talker XX (GP)\n"
           "    --utc HH:MM:SS (the clock)  --easting M  --northing M (grid of the start point)\n"
           "    --sentences LIST       comma list of gga gsa gll pos ggk llk llq rts-gga rts-block\n"
           "                           (gga,gsa)\n"
           "faults, each as p=PROBABILITY or every=N sentences:\n"
           "    --bad-checksum  --lower-case-checksum  --long-sentence  --noise\n"
           "    --long-length N        characters of an over-long sentence (240)\n"
           "common:\n"
           "    --seed N               random seed (1)\n";
}

}  // namespace zel::devsim
