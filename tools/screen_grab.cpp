// Developer tool: saves the X screen (DISPLAY), or a rectangle of it, as a
// PNG, window frames included, for reviewing how the program looks on a
// desktop.
//   screen_grab output.png [x y width height]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <array>
#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && args.size() != 6) {
        std::fprintf(stderr, "usage: screen_grab output.png [x y width height]\n");
        return 2;
    }
    std::array<int, 4> rect{0, 0, -1, -1};
    for (std::size_t i = 0; args.size() == 6 && i < rect.size(); ++i)
        rect.at(i) = args.at(2 + static_cast<int>(i)).toInt();
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, rect[0], rect[1], rect[2], rect[3]);
    return shot.save(args.at(1)) ? 0 : 1;
}
