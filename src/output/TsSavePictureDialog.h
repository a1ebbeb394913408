#pragma once

#include <QString>
#include <QStringList>
#include <string>

class QFileDialog;
class QWidget;

// The picture save dialog: a save-file dialog of its own drawing (the same on every desktop,
// so the skin and the tests see one dialog), resizable, with one file-type filter. It asks
// nothing before a file is replaced, appends no extension of its own and keeps the name
// chosen last for the next time during the run.
class TsSavePictureDialog {
public:
    // Dialogs are placed over parent.
    explicit TsSavePictureDialog(QWidget* parent = nullptr);
    TsSavePictureDialog(const TsSavePictureDialog&) = delete;
    TsSavePictureDialog& operator=(const TsSavePictureDialog&) = delete;

    // Shows the dialog modally; false when the user cancelled it.
    bool Execute();

    // The chosen files, as the file system names them (the local 8-bit encoding); the save
    // dialog chooses one.
    const QStringList& Files() const { return files_; }
    // The first chosen file as bytes for the file layer; empty before the first choice.
    std::string FileName() const;

    // Filters as "description|pattern" pairs separated by "|", one per file type.
    std::string Filter = "Portable Network Graphics (*.png)|*.png";

    // The name filters Qt's dialog shows for a filter of "description|pattern" pairs: the
    // description, followed by the pattern in brackets unless the description already ends
    // with it.
    static QStringList NameFilters(const std::string& filter);

private:
    void Configure(QFileDialog& dialog) const;

    QWidget* parent_ = nullptr;
    QStringList files_;
};
