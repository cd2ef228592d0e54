// The baseline for start-up time and memory: the least a Qt 6 program of this kind does, a main
// window with one menu around a maximized multiple-document area.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare MDI"));
    window.menuBar()
        ->addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    window.setCentralWidget(new QMdiArea(&window));
    window.showMaximized();
    return app.exec();
}
