#include "LFileChooser.h"
#include "LQtFileChooser.h"
#include "QtHostTest.h"
#include "TestFolder.h"

#include <QFileDialog>

#include <fstream>

class FileChooser : public QtHostTest {};

TEST_F(FileChooser, FiltersBecomeQtNameFiltersAndAllFilesShowsEveryName) {
    EXPECT_EQ(LQtNameFilters({kLFilterZel, kLFilterAllFiles, {"Pictures", "*.png;*.jpg"}}),
              (QStringList{"ZEL files (*.zel)", "All files (*)", "Pictures (*.png *.jpg)"}));
}

TEST_F(FileChooser, ASaveChooserStartsInItsFolderWithTheProposedName) {
    TestFolder folder;
    LChooserRequest request;
    request.kind = LChooserKind::Save;
    request.prompt = "Save the encrypted file as";
    request.folder = folder.Path();
    request.name = "notes.zel";
    request.filters = {kLFilterZel, kLFilterAllFiles};
    request.defaultExtension = "zel";
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    LQtSetUpFileDialog(dialog, request);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.windowTitle(), "Save the encrypted file as");
    EXPECT_EQ(dialog.directory().absolutePath().toStdString(), folder.Path());
    EXPECT_EQ(dialog.defaultSuffix(), "zel");
    dialog.selectNameFilter("All files (*)");
    const LChooserAnswer answer = LQtChooserAnswer(dialog, request);
    ASSERT_EQ(answer.paths.size(), 1u);
    EXPECT_EQ(answer.paths[0], folder / "notes.zel");
    EXPECT_EQ(answer.filterIndex, 2);
}

TEST_F(FileChooser, OpenAndFolderChoosersTakeTheirModes) {
    TestFolder folder;
    std::ofstream(folder / "a.cry") << "x";
    struct Case {
        LChooserKind kind;
        QFileDialog::FileMode mode;
    } cases[] = {
        {LChooserKind::Open, QFileDialog::ExistingFile},
        {LChooserKind::OpenMultiple, QFileDialog::ExistingFiles},
        {LChooserKind::Folder, QFileDialog::Directory},
    };
    for (const Case& c : cases) {
        LChooserRequest request;
        request.kind = c.kind;
        request.folder = folder.Path();
        request.filters = {kLFilterCry};
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        LQtSetUpFileDialog(dialog, request);
        EXPECT_EQ(dialog.fileMode(), c.mode);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.testOption(QFileDialog::ShowDirsOnly), c.kind == LChooserKind::Folder);
        EXPECT_EQ(dialog.directory().absolutePath().toStdString(), folder.Path());
    }
}
