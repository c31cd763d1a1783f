#include "platform/ui/dialogs/file_dialog.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "../controls/screen_fixture.h"
#include "platform/ui/dialogs/dialog.h"

namespace zel::platform::testing {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

TEST(FileFilter, PairsOfTextAndPatternsUpToTheEmptyText) {
    struct Case {
        const char* name;
        const char* filter;
        std::vector<std::pair<std::string, Names>> filters;
    };
    const Case cases[] = {
        {"data and all", "GRAD601 Files (*.601)\0*.601\0All Files\0*.*\0",
         {{"GRAD601 Files (*.601)", {"*.601"}}, {"All Files", {"*.*"}}}},
        {"several patterns", "Tables\0*.txt; *.csv\0", {{"Tables", {"*.txt", "*.csv"}}}},
        {"text without patterns", "Lonely\0", {}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<FileFilter> parsed = parse_file_filter(c.filter);
        ASSERT_EQ(parsed.size(), c.filters.size());
        for (std::size_t i = 0; i < parsed.size(); ++i) {
            EXPECT_EQ(parsed[i].text, c.filters[i].first);
            EXPECT_EQ(parsed[i].patterns, c.filters[i].second);
        }
    }
    EXPECT_TRUE(parse_file_filter(nullptr).empty());
}

TEST(FileFilter, PatternsMatchNamesInAnyLetterCase) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"120914A.601", "*.601", true},   {"120914a.601", "*.601", true},  {"120914A.GXY", "*.gxy", true},
        {"120914A.6010", "*.601", false}, {"601", "*.601", false},         {"README", "*.*", true},
        {"a.b.601", "*.601", true},       {"120914A.601", "1209??A.*", true}, {"12091A.601", "1209??A.*", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.pattern);
        EXPECT_EQ(matches_pattern(c.name, c.pattern), c.matches);
    }
}

TEST(FileFilter, TypedNamesGetTheFolderAndTheDefaultExtension) {
    struct Case {
        const char* folder;
        const char* typed;
        const char* extension;
        const char* path;
    };
    const Case cases[] = {
        {"/d/DATAZEL601", "120914A", "601", "/d/DATAZEL601/120914A.601"},
        {"/d/DATAZEL601/", "120914A", "601", "/d/DATAZEL601/120914A.601"},
        {"/d", "a.b.601", "601", "/d/a.b.601"},
        {"/d", "x.txt", "601", "/d/x.txt"},
        {"/d", "x", ".GXY", "/d/x.GXY"},
        {"/d", "x", "", "/d/x"},
        {"/d", "/e/DATAZEL601/120914Z.601", "601", "/e/DATAZEL601/120914Z.601"},
        {"/d.old", "x", "601", "/d.old/x.601"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(resolve_file_name(c.folder, c.typed, c.extension), c.path);
    }
}

constexpr char kFilter[] = "GRAD601 Files (*.601)\0*.601\0Text (*.txt)\0*.txt\0";

class FileDialogTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        std::string pattern = (fs::temp_directory_path() / "zel-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        for (const char* name : {"120914B.601", "120914A.601", "notes.txt"}) std::ofstream(folder / name) << "x";
        fs::create_directory(folder / "old.601");  // a folder, not a file: not listed
        options = {"Create Data File", folder.string(), "120914C", kFilter, 1, "601"};
    }
    void TearDown() override { fs::remove_all(folder); }

    Window dialog() { return ui.find("Dialog"); }
    Window list() { return dialog_item(dialog(), 1102); }
    Names listed() {
        Names names;
        for (int i = 0; i < item_count(list()); ++i) names.push_back(item_text(list(), i));
        return names;
    }

    fs::path folder;
    FileDialogOptions options;
};

TEST_F(FileDialogTest, SaveListsTheMatchingFilesAndAddsTheDefaultExtension) {
    Names shown;
    on_next_timer([&] {
        shown = listed();
        press(key::enter);
    });
    EXPECT_EQ(save_file_dialog(host, options), (folder / "120914C.601").string());
    EXPECT_EQ(shown, (Names{"120914A.601", "120914B.601"}));
}

TEST_F(FileDialogTest, ATapOnTheListChoosesThatName) {
    on_next_timer([&] {
        Rect r = list().client_rect();
        tap(list(), {20, r.top + 1 + screen->ui_font()->metrics().height + 2 + 4});  // the second row
        press(key::enter);
    });
    EXPECT_EQ(save_file_dialog(host, options), (folder / "120914B.601").string());
}

TEST_F(FileDialogTest, AnotherFilterListsOtherFiles) {
    Names shown;
    on_next_timer([&] {
        Window type = dialog_item(dialog(), 1106);
        type.focus();
        type.send(msg::key_down, key::down);
        shown = listed();
        press(key::escape);
    });
    EXPECT_EQ(save_file_dialog(host, options), std::nullopt);
    EXPECT_EQ(shown, (Names{"notes.txt"}));
}

TEST_F(FileDialogTest, AnEmptyNameKeepsTheDialogOpen) {
    options.file_name = "";
    bool still_open = false;
    on_next_timer([&] {
        dialog().send(msg::key_down, key::enter);
        still_open = !dialog().is_null();
        dialog_item(dialog(), 1104).set_text("  ");
        dialog().send(msg::key_down, key::enter);
        still_open = still_open && !dialog().is_null();
        press(key::escape);
    });
    EXPECT_EQ(save_file_dialog(host, options), std::nullopt);
    EXPECT_TRUE(still_open);
    EXPECT_EQ(display.beep_count(Beep::Simple), 2);
}

TEST_F(FileDialogTest, OpenInsistsOnAnExistingFile) {
    options.title = "Open";
    options.file_name = "missing";
    bool still_open = false;
    on_next_timer([&] {
        // OK finds no "missing.601" and shows a message, which the Enter waiting for it answers.
        press(key::enter);
        dialog().send(msg::key_down, key::enter);
        still_open = !dialog().is_null();
        dialog_item(dialog(), 1104).set_text("notes.txt");
        press(key::enter);
    });
    EXPECT_EQ(open_file_dialog(host, options), (folder / "notes.txt").string());
    EXPECT_TRUE(still_open);
    EXPECT_EQ(display.beep_count(Beep::Exclamation), 1);
}

TEST_F(FileDialogTest, AMissingFolderListsNothing) {
    options.folder = (folder / "nowhere").string();
    Names shown{"sentinel"};
    on_next_timer([&] {
        shown = listed();
        press(key::escape);
    });
    EXPECT_EQ(save_file_dialog(host, options), std::nullopt);
    EXPECT_TRUE(shown.empty());
}

}  // namespace
}  // namespace zel::platform::testing
