#include "LCommand.h"
#include "LListColumns.h"
#include "LUserSettings.h"
#include "PrivateSettings.h"
#include "ScriptedTest.h"

#include <filesystem>

using ::testing::ElementsAre;

TEST(ListColumns, EditHintNamesOneTwoOrMoreEditableColumns) {
    const unsigned editable = LListColumnText | kLListColumnEditable;
    struct Case {
        std::vector<LListColumn> columns;
        std::string hint;
    } cases[] = {
        {{{"Filename", 100, LListColumnText, true}}, ""},
        {{{"Extension", 15, editable, true}}, "Click on the \"Extension\" column to edit it"},
        {{{"Name", 20, editable, false},
          {"Size", 10, LListColumnText, false},
          {"Mode", 10, LListColumnPopup | kLListColumnEditable, true}},
         "Click on either the \"Name\" or \"Mode\" column to edit it"},
        {{{"A", 5, editable, false}, {"B", 5, editable, false}, {"C", 5, editable, false}},
         "Click on either the \"A\", \"B\" or \"C\" column to edit it"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LListColumnsEditHint(c.columns), c.hint);
    }
}

TEST(ListColumns, WidthsInUnitsMinimumsAndTheFillColumn) {
    EXPECT_EQ(LListColumnUnitsToPixels(15), 168);  // 15 x 8 x 1.4
    EXPECT_EQ(LListColumnUnitsToPixels(53), 594);  // 593.6 rounded
    const std::vector<LListColumn> columns{
        {"Name", 20, LListColumnText, false},
        {"Time", 2, LListColumnTime, false},
        {"Ok", 1, LListColumnCheckBox, false},
        {"Path", 100, LListColumnText, true},
    };
    const auto shown = LListColumnsLayout(columns, 648, {});
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].width, 224);
    EXPECT_EQ(shown[1].width, 60);  // 22 pixels, raised to the time column's minimum
    EXPECT_EQ(shown[2].width, 11);
    EXPECT_EQ(shown[3].width, 648 - 224 - 60 - 11);
    // A fill column keeps the text column's minimum when nothing is left.
    EXPECT_EQ(LListColumnsLayout(columns, 100, {})[3].width, 50);
}

TEST(ListColumns, StoredWidthsReplaceDeclaredOnesButNotTheFill) {
    const std::vector<LListColumn> columns{{"Name", 20, LListColumnText, false},
                                           {"Path", 100, LListColumnText, true}};
    const auto shown = LListColumnsLayout(columns, 600, [](int column) -> std::optional<int> {
        return column == 1 ? std::optional<int>(300) : std::optional<int>(10);
    });
    EXPECT_EQ(shown[0].width, 300);
    EXPECT_EQ(shown[1].width, 300);
}

// Widths kept in the user's settings, in a private configuration folder.
class ListColumnSettings : public ScriptedTest {
protected:
    void SetUp() override { LLayoutListView(dialog, 104, {18, 40, 648, 240}); }

    PrivateSettings settings;
    ProbeDialog dialog;
    const std::vector<LListColumn> columns{{"Name", 20, LListColumnText, false},
                                           {"Hash", 30, LListColumnText, false}};
};

TEST_F(ListColumnSettings, StoredWidthsAreReadUnderColumnWidthKeysOfTheSection) {
    LUserSettingSet<int>("Checksum", "ColumnWidth2", 123);
    dialog.ListSetColumns(104, columns, "Checksum");
    const LControl& list = *dialog.FindControl(104);
    EXPECT_EQ(list.columns[0].width, 224);
    EXPECT_EQ(list.columns[1].width, 123);
    // Without a section nothing stored is used.
    dialog.ListSetColumns(104, columns, nullptr);
    EXPECT_EQ(dialog.FindControl(104)->columns[1].width, 336);
}

TEST_F(ListColumnSettings, ResizingAColumnKeepsItsWidthForNextTime) {
    dialog.ListSetColumns(104, columns, "Checksum");
    EXPECT_TRUE(dialog.UserResizeColumn(104, 0, 180));
    EXPECT_TRUE(dialog.UserResizeColumn(104, 1, 10));  // below the minimum: kept at 50
    EXPECT_FALSE(dialog.UserResizeColumn(104, 2, 10));
    EXPECT_EQ(LUserSettingGet<int>("Checksum", "ColumnWidth1", 0), 180);
    EXPECT_EQ(LUserSettingGet<int>("Checksum", "ColumnWidth2", 0), 50);
    ProbeDialog again;
    LLayoutListView(again, 104, {18, 40, 648, 240});
    again.ListSetColumns(104, columns, "Checksum");
    EXPECT_EQ(again.FindControl(104)->columns[0].width, 180);
}

TEST_F(ListColumnSettings, AListWithoutASectionStoresNothing) {
    dialog.ListSetColumns(104, columns, nullptr);
    EXPECT_TRUE(dialog.UserResizeColumn(104, 0, 180));
    EXPECT_EQ(LUserSettingGet<int>("Checksum", "ColumnWidth1", 0), 0);
    EXPECT_FALSE(std::filesystem::exists(settings.Folder() / "zel/preferences.xml"));
}

TEST_F(ListColumnSettings, TheEditHintReachesTheList) {
    dialog.ListSetColumns(104, {{"Extension", 15, LListColumnText | kLListColumnEditable, true}},
                          nullptr);
    EXPECT_EQ(dialog.FindControl(104)->editHint, "Click on the \"Extension\" column to edit it");
    EXPECT_EQ(dialog.FindControl(104)->columns[0].width, 648);
    EXPECT_TRUE(dialog.FindControl(104)->columns[0].editable);
}

TEST_F(ListColumnSettings, AShownListKeepsTheWidthsTheUserDragsTo) {
    struct ChecksumLike : ProbeDialog {
        void InitDialog() override {
            ListSetColumns(104,
                           {{"File", 20, LListColumnText, false},
                            {"Hash", 10, LListColumnText | kLListColumnEditable, true}},
                           "Checksum");
        }
    };
    ChecksumLike first;
    host.ResizeColumn(104, 0, 120).Click(kLCommandOK);
    EXPECT_TRUE(first.DoModal(nullptr));
    ChecksumLike second;
    host.Inspect([](LWindow& w) {
            const LControl& list = *w.FindControl(104);
            EXPECT_EQ(list.columns[0].width, 120);
            EXPECT_EQ(list.columns[1].width, 300 - 120);
            EXPECT_EQ(list.editHint, "Click on the \"Hash\" column to edit it");
        })
        .Click(kLCommandOK);
    EXPECT_TRUE(second.DoModal(nullptr));
}
