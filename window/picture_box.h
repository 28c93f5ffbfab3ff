#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

// Shows one of the program's built-in pictures, unscaled, in a box of the
// picture's own size. The picture is drawn from its vector description at
// the screen's pixel density, so it stays sharp at any scale; it is drawn
// once per density and kept, and not read before it is first shown.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(QString resourcePath, const QRect& geometry, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString resourcePath_;
    QPixmap picture_;
};
