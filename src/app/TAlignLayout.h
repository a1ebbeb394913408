#pragma once

#include <QLayout>
#include <vector>

// Docks child controls the way the form designer's Align property does. Controls are placed
// in the order top, bottom, left, right, client; within one kind in the order they were
// added, so the first bottom control added sits lowest. Each docked control keeps its own
// height (top, bottom) or width (left, right) and takes the rest of the free area in the
// other direction, within its minimum and maximum sizes; the client control takes what is
// left. Hidden controls take no room.
class TAlignLayout : public QLayout {
public:
    enum class Align { Top, Bottom, Left, Right, Client };

    explicit TAlignLayout(QWidget* parent);
    ~TAlignLayout() override;

    void AddWidget(QWidget* widget, Align align);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        Align align;
    };

    void PlaceKind(Align align, QRect& free) const;

    std::vector<Entry> entries_;
};
