#include "skin/SkinSwitches.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

SkinSwitches SkinSwitches::Parse(const std::vector<std::string>& parameters) {
    SkinSwitches switches;
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const std::string parameter = Lower(parameters[i]);
        if (parameter == "/acver") switches.ShowVersion = true;
        if (parameter == "/actest") switches.Test = true;
        if (parameter == "/acpreview" && i == 0) switches.Preview = true;
    }
    return switches;
}

SkinSwitches& SkinSwitches::Current() {
    static SkinSwitches switches = [] {
        std::vector<std::string> parameters;
        const QStringList arguments = QCoreApplication::arguments();
        for (qsizetype i = 1; i < arguments.size(); ++i)
            parameters.push_back(arguments[i].toStdString());
        return Parse(parameters);
    }();
    return switches;
}

void SkinSwitches::AnnounceVersion() {
    static bool shown = false;
    if (shown || !Current().ShowVersion) return;
    shown = true;
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromLatin1(kVersionText),
                    QMessageBox::Ok);
    box.exec();
}
