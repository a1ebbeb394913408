#include "output/TsSavePictureDialog.h"

#include <QFile>
#include <QFileDialog>

TsSavePictureDialog::TsSavePictureDialog(QWidget* parent) : parent_(parent) {}

QStringList TsSavePictureDialog::NameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        const QString bracketed = QStringLiteral("(%1)").arg(pattern);
        filters << (description.endsWith(bracketed) ? description
                                                    : description + QLatin1Char(' ') + bracketed);
    }
    return filters;
}

void TsSavePictureDialog::Configure(QFileDialog& dialog) const {
    dialog.setObjectName(QStringLiteral("sSavePictureDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The platform dialog would look and behave differently on every desktop, and some of
    // them ask before replacing a file whatever they are told.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setSizeGripEnabled(true);
    dialog.setDefaultSuffix(QString());
    dialog.setNameFilters(NameFilters(Filter));
    if (!files_.isEmpty()) dialog.selectFile(files_.front());
}

bool TsSavePictureDialog::Execute() {
    QFileDialog dialog(parent_);
    Configure(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return false;
    files_ = chosen;
    return true;
}

std::string TsSavePictureDialog::FileName() const {
    return files_.isEmpty() ? std::string() : QFile::encodeName(files_.front()).toStdString();
}
