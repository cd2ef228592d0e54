// The baseline for start-up time and memory: the least a Qt 6 program of this kind does, a main
// window with one menu around a maximized multiple-document area.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare MDI"));
    window.menuBar()
        ->addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    window.setCentralWidget(new QMdiArea(&window));
    // As the program does: without a window manager "maximized" alone leaves the window small.
    if (const QScreen* screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
