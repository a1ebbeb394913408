#include "qr/command/MemoText.h"

#include "skin/TsMemo.h"

std::string ToCrLfText(const QString& editorText) {
    QString text = editorText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toStdString();
}

QString FromCrLfText(const std::string& text) {
    QString editorText = QString::fromStdString(text);
    editorText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    editorText.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return editorText;
}

std::string MemoText(const TsMemo& memo) {
    return ToCrLfText(memo.Text());
}

void SetMemoText(TsMemo& memo, const std::string& text) {
    memo.SetText(FromCrLfText(text));
}
