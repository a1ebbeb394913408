#pragma once

#include <QByteArray>
#include <QObject>
#include <string>

class QLocalSocket;
class QWidget;
class TsSkinManager;
namespace preview {
struct SkinTransfer;
}

// The program's end of the skin editor's preview link (see skin/PreviewFrame.h for the
// frames). It says hello to the editor's socket until the editor accepts, then applies the
// skins the editor transfers to the form's manager. Everything runs on the event loop; a
// frame of the wrong size or kind ends the link.
class TsPreviewLink : public QObject {
public:
    TsPreviewLink(QWidget& form, TsSkinManager& manager, std::string socketPath);

    // Opens the link for the first form to get a window, once per process, when the program
    // was started with "/acpreview".
    static void StartForFirstForm(QWidget& form, TsSkinManager& manager);

    void Start();
    int HellosSent() const { return hellosSent_; }
    bool Accepted() const { return accepted_; }
    bool Closed() const { return closed_; }
    int TransfersApplied() const { return transfersApplied_; }

    // The transfer steps on a manager; false when the name is refused or the skin did not load.
    static bool ApplyTransfer(TsSkinManager& manager, const preview::SkinTransfer& transfer);

private:
    void Connected();
    void ReadFrames();
    bool ReadAnswer();
    bool ReadTransfer();
    void SendHello();
    void Close(const char* reason);

    QWidget& form_;
    TsSkinManager& manager_;
    std::string socketPath_;
    QLocalSocket* socket_ = nullptr;
    int hellosSent_ = 0;
    bool accepted_ = false;
    bool closed_ = false;
    int transfersApplied_ = 0;
};
