// The start-up baseline: a plain Qt Widgets window the size of tembrel's, with a menu bar.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu("&File")->addAction("&Quit", QKeySequence::Quit, &app, &QApplication::quit);
  window.menuBar()->addMenu("&Edit");
  auto* content = new QWidget;
  content->setFixedSize(600, 250);
  window.setCentralWidget(content);
  window.show();
  return app.exec();
}
