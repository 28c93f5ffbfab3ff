#pragma once

#include <QSvgRenderer>
#include <QWidget>

// Shows one of the program's built-in pictures at its natural size. The
// picture is drawn as vector graphics, so it stays sharp at any screen scale.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(const QString& resourcePath, QPoint position, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer renderer_;
};
