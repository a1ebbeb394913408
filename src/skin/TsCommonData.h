#pragma once

#include <QString>
#include <functional>

class QPaintEvent;
class QWidget;

// A control's binding to the skin: the name of the skin section that paints it. Every skinned
// control paints through Paint(); until a skin painter is installed the control falls back to
// the platform's standard look, so the windows never need to know whether a skin is active.
class TsCommonData {
public:
    // Paints the control from the named section; returns false when it did not paint, and
    // the control then draws its standard look.
    using Painter =
        std::function<bool(QWidget& control, const QString& section, QPaintEvent* event)>;

    TsCommonData(QWidget& control, QString section);

    const QString& SkinSection() const { return section_; }
    void SetSkinSection(const QString& section);

    bool Paint(QPaintEvent* event) const;

    // Installs the process-wide skin painter; an empty function removes it. UI thread only.
    static void SetPainter(Painter painter);

private:
    QWidget& control_;
    QString section_;
};
