#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "windows/application_setup.h"
#include "windows/program_windows.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

// Where a box stood and whose it was, seen while it was open.
struct Placement {
  QRect frame;
  const QWindow* transient_parent = nullptr;
};

// Answers every box that opens while `action` runs, Yes first (so that Exit reaches the
// farewell), and tells where each stood.
QList<Placement> BoxesOpenedBy(const std::function<void()>& action) {
  QList<Placement> placements;
  QTimer poll;
  poll.setInterval(0);
  QObject::connect(&poll, &QTimer::timeout, [&placements] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
      return;
    }
    placements.append({.frame = box->frameGeometry(),
                       .transient_parent = box->windowHandle()->transientParent()});
    QAbstractButton* yes = box->button(QMessageBox::Yes);
    (yes != nullptr ? yes : box->button(QMessageBox::Ok))->click();
  });
  poll.start();
  action();
  return placements;
}

}  // namespace

// Window managers and Wayland compositors place a box over the window it belongs to only when
// the box says which window that is.
class MessageBoxPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetUpApplication(*qApp); }

  void boxesBelongToTheDesignWindowAndStandOverIt_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("boxes");
    QTest::newRow("Results with empty fields") << u"Command1"_s << 1;
    QTest::newRow("Exit, confirmed") << u"Command2"_s << 2;
  }

  void boxesBelongToTheDesignWindowAndStandOverIt() {
    QFETCH(QString, button);
    QFETCH(int, boxes);
    ProgramWindows windows([](int) {});
    windows.showDesignWindow();
    QWidget* design = windows.designWindow();
    // Off the screen's centre, where a box without a window would stand, and away from its
    // edges, which would push a wide box off the window's centre.
    const QPoint off_centre(100, 60);
    design->move(design->screen()->availableGeometry().center() - off_centre -
                 design->rect().center());
    QVERIFY(QTest::qWaitForWindowExposed(design));

    const QList<Placement> placements = BoxesOpenedBy(
        [&] { QTest::mouseClick(design->findChild<QPushButton*>(button), Qt::LeftButton); });

    QCOMPARE(placements.size(), boxes);
    const QPoint centre = design->frameGeometry().center();
    for (const Placement& placement : placements) {
      QCOMPARE(placement.transient_parent, design->windowHandle());
      QVERIFY2(
          (placement.frame.center() - centre).manhattanLength() <= 4,
          qPrintable(u"box centred at %1,%2, window at %3,%4"_s.arg(placement.frame.center().x())
                         .arg(placement.frame.center().y())
                         .arg(centre.x())
                         .arg(centre.y())));
    }
  }
};

}  // namespace coldesign

QTEST_MAIN(coldesign::MessageBoxPlacementTest)
#include "message_box_placement_test.moc"
