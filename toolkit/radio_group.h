#pragma once
// A framed group of radio buttons laid out in columns, chosen by index.
// Choosing an item, by the user or by setItemIndex, reports it once through
// itemIndexChanged; choosing the item already chosen reports nothing.

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace quarvo {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QStringList& items, int columns, QWidget* parent = nullptr);

    // The chosen item; -1 when none is.
    [[nodiscard]] int itemIndex() const;
    void setItemIndex(int index);
    [[nodiscard]] int count() const { return static_cast<int>(buttons_.size()); }
    [[nodiscard]] QRadioButton* button(int index) const { return buttons_.at(index); }

signals:
    void itemIndexChanged(int index);

private:
    QButtonGroup* group_ = nullptr;
    std::vector<QRadioButton*> buttons_;
};

}  // namespace quarvo
