// The yardstick for the program's start-up and memory: a bare Qt window of
// the game window's size with a menu of five items, linked against Qt Widgets
// alone. scripts/figures.sh starts it alternately with the game.
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    for (const char* item : {"&Deal", "&Options", "&Scores", "&Exit"})
        window.menuBar()->addAction(QString::fromLatin1(item));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("Contents"));
    auto* client = new QWidget;
    client->setFixedSize(572, 448); // the game's table
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
