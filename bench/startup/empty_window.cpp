// The yardstick for the start-up benchmark: the least a Qt Widgets program does to show a
// window of the design window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  const QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(240, 294);
  window.show();
  return QApplication::exec();
}
