#pragma once
// A picture repeated over the whole area of the control, from its top left
// corner, as the backdrop of a panel.

#include <QPixmap>
#include <QWidget>

namespace quarvo {

class TiledPicture : public QWidget {
    Q_OBJECT
public:
    explicit TiledPicture(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    QPixmap picture() const { return picture_; }

    // A soft light grey stone pattern that tiles without seams.
    [[nodiscard]] static QPixmap lightPattern(int size = 150);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace quarvo
