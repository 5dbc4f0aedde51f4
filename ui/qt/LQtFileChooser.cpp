#include "LQtFileChooser.h"

#include "LQtGeometry.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>

namespace {

QString Pattern(const std::string& patterns) {
    QStringList parts = LQtString(patterns).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& part : parts) {
        part = part.trimmed();
        if (part == QLatin1String("*.*")) {
            part = QStringLiteral("*");
        }
    }
    return parts.join(QLatin1Char(' '));
}

QString LocalPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QFileDialog::FileMode Mode(LChooserKind kind) {
    switch (kind) {
        case LChooserKind::Open:
            return QFileDialog::ExistingFile;
        case LChooserKind::OpenMultiple:
            return QFileDialog::ExistingFiles;
        case LChooserKind::Folder:
            return QFileDialog::Directory;
        case LChooserKind::Save:
            break;
    }
    return QFileDialog::AnyFile;
}

}  // namespace

QStringList LQtNameFilters(const LFileFilters& filters) {
    QStringList names;
    for (const LFileFilter& filter : filters) {
        names << QStringLiteral("%1 (%2)").arg(LQtString(filter.name), Pattern(filter.patterns));
    }
    return names;
}

void LQtSetUpFileDialog(QFileDialog& dialog, const LChooserRequest& request) {
    dialog.setFileMode(Mode(request.kind));
    dialog.setAcceptMode(request.kind == LChooserKind::Save ? QFileDialog::AcceptSave
                                                            : QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ShowDirsOnly, request.kind == LChooserKind::Folder);
    if (!request.prompt.empty()) {
        dialog.setWindowTitle(LQtString(request.prompt));
    }
    dialog.setDirectory(LocalPath(request.folder));
    const QStringList filters = LQtNameFilters(request.filters);
    if (!filters.isEmpty() && request.kind != LChooserKind::Folder) {
        dialog.setNameFilters(filters);
    }
    if (request.kind == LChooserKind::Save) {
        if (!request.defaultExtension.empty() && request.defaultExtension != "*") {
            dialog.setDefaultSuffix(LQtString(request.defaultExtension));
        }
        dialog.selectFile(QDir(LocalPath(request.folder)).filePath(LocalPath(request.name)));
    }
}

LChooserAnswer LQtChooserAnswer(const QFileDialog& dialog, const LChooserRequest& request) {
    LChooserAnswer answer;
    for (const QString& path : dialog.selectedFiles()) {
        answer.paths.push_back(QFile::encodeName(path).toStdString());
    }
    const qsizetype filter = LQtNameFilters(request.filters).indexOf(dialog.selectedNameFilter());
    answer.filterIndex = filter >= 0 ? static_cast<int>(filter) + 1 : 0;
    return answer;
}
