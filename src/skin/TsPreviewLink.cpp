#include "skin/TsPreviewLink.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLocalSocket>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "skin/PreviewFrame.h"
#include "skin/SkinSwitches.h"
#include "skin/TsSkinManager.h"

namespace {

// Only a socket of our own user's, writable by nobody else, may hand us skins.
bool OwnSocketFile(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) return false;
    return S_ISSOCK(status.st_mode) && status.st_uid == ::geteuid() &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The file check is not enough on its own: the peer could have been replaced in between.
bool PeerIsOwnUser(qintptr descriptor) {
    struct ucred credentials {};
    socklen_t length = sizeof credentials;
    if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials,
                     &length) != 0)
        return false;
    return credentials.uid == ::geteuid();
}

std::span<const std::uint8_t> Bytes(const QByteArray& array) {
    return {reinterpret_cast<const std::uint8_t*>(array.constData()),
            static_cast<std::size_t>(array.size())};
}

}  // namespace

TsPreviewLink::TsPreviewLink(QWidget& form, TsSkinManager& manager, std::string socketPath)
    : QObject(&form), form_(form), manager_(manager), socketPath_(std::move(socketPath)) {}

void TsPreviewLink::StartForFirstForm(QWidget& form, TsSkinManager& manager) {
    static bool started = false;
    if (started || !SkinSwitches::Current().Preview) return;
    started = true;
    const std::string path = preview::SocketPath(std::getenv("XDG_RUNTIME_DIR"));
    if (path.empty()) {
        std::fputs("vexmora: no preview link: XDG_RUNTIME_DIR is not set to a folder\n", stderr);
        return;
    }
    (new TsPreviewLink(form, manager, path))->Start();
}

void TsPreviewLink::Start() {
    if (!OwnSocketFile(socketPath_)) return Close("the editor's socket is missing or not ours");
    socket_ = new QLocalSocket(this);
    // No more than one frame is ever waited for, so no more is buffered.
    socket_->setReadBufferSize(preview::kTransferHeaderBytes + preview::kBlockBytes);
    connect(socket_, &QLocalSocket::connected, this, &TsPreviewLink::Connected);
    connect(socket_, &QLocalSocket::readyRead, this, &TsPreviewLink::ReadFrames);
    connect(
        socket_, &QLocalSocket::errorOccurred, this, [this](QLocalSocket::LocalSocketError error) {
            Close(error == QLocalSocket::PeerClosedError ? "the editor closed it"
                                                         : "the editor's socket does not answer");
        });
    socket_->connectToServer(QString::fromStdString(socketPath_));
}

void TsPreviewLink::Connected() {
    if (!PeerIsOwnUser(socket_->socketDescriptor()))
        return Close("the editor runs as another user");
    SendHello();
}

void TsPreviewLink::SendHello() {
    const auto hello = preview::EncodeHello(static_cast<std::uint64_t>(form_.winId()));
    socket_->write(reinterpret_cast<const char*>(hello.data()), hello.size());
    ++hellosSent_;
}

void TsPreviewLink::ReadFrames() {
    while (!closed_ && (accepted_ ? ReadTransfer() : ReadAnswer())) {
    }
}

bool TsPreviewLink::ReadAnswer() {
    if (socket_->bytesAvailable() < static_cast<qint64>(preview::kAnswerBytes)) return false;
    const QByteArray frame = socket_->read(preview::kAnswerBytes);
    const auto answer = preview::DecodeAnswer(std::span<const std::uint8_t, preview::kAnswerBytes>(
        Bytes(frame).data(), preview::kAnswerBytes));
    if (answer == preview::kAccepted) {
        accepted_ = true;
    } else if (hellosSent_ < preview::kMaxHellos) {
        SendHello();
    } else {
        Close("the editor did not accept the link");
    }
    return !closed_;
}

bool TsPreviewLink::ReadTransfer() {
    const auto available = socket_->bytesAvailable();
    if (available < static_cast<qint64>(preview::kTransferHeaderBytes)) return false;
    if (!preview::TransferHeaderValid(Bytes(socket_->peek(preview::kTransferHeaderBytes)))) {
        Close("the editor sent a frame that is not a skin transfer");
        return false;
    }
    if (available < static_cast<qint64>(preview::kTransferHeaderBytes + preview::kBlockBytes))
        return false;
    socket_->skip(preview::kTransferHeaderBytes);
    const auto transfer = preview::DecodeTransferBlock(Bytes(socket_->read(preview::kBlockBytes)));
    if (!transfer) {
        Close("the editor sent a damaged skin transfer");
        return false;
    }
    const bool applied = ApplyTransfer(manager_, *transfer);
    if (applied) ++transfersApplied_;
    const auto answer = preview::EncodeAnswer(applied ? preview::kAccepted : 0);
    socket_->write(reinterpret_cast<const char*>(answer.data()), answer.size());
    return true;
}

bool TsPreviewLink::ApplyTransfer(TsSkinManager& manager, const preview::SkinTransfer& transfer) {
    if (!preview::IsPlainSkinName(transfer.SkinName)) return false;
    manager.SetRepaintSuppressed(true);
    manager.SetPendingSkinText(transfer.OptionsText);
    if (!transfer.SkinDirectory.empty()) manager.SetSkinDirectory(transfer.SkinDirectory);
    manager.SetSkinName(transfer.SkinName);
    manager.SetRepaintSuppressed(false);
    const bool skinChanging = manager.AnimEffects.SkinChanging.Active;
    manager.AnimEffects.SkinChanging.Active = false;
    manager.UpdateSkin(true);
    manager.AnimEffects.SkinChanging.Active = skinChanging;
    manager.SetPendingSkinText({});
    // The editor asked for this skin; another one (an internal fallback) is not a success.
    return manager.Active() && manager.SkinName() == transfer.SkinName;
}

void TsPreviewLink::Close(const char* reason) {
    if (closed_) return;
    closed_ = true;
    std::fprintf(stderr, "vexmora: preview link closed: %s\n", reason);
    if (socket_ != nullptr) socket_->abort();
}
