#pragma once

#include <QImage>
#include <QLabel>

namespace vistarel {

// A picture view that scales its picture to fit the box in both directions, keeping its
// proportions (up as well as down), centres it, and reports a left click.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);

    // A null image leaves the box blank.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    // Where the picture lands inside the box; empty while blank.
    QRect pictureRect() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    bool pressed_ = false;
};

} // namespace vistarel
