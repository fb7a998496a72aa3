#include "windows/program_windows.h"

#include <utility>

#include "sheet/left_to_right.h"
#include "translations/texts.h"
#include "windows/materials_settings.h"
#include "windows/message_boxes.h"
#include "windows/program_credits.h"

namespace coldesign {
namespace {

using namespace Qt::Literals::StringLiterals;

QString FarewellText() {
  return Texts::tr(
             "في حاله حدوث اي مشاكل بالبرنامج يرجى الاتصال برقم %1 م/%2  والسلام عليكم ورحمة "
             "الله وبركاته",
             "exit.farewell")
      .arg(LeftToRightIsolate(kSupportPhone), kDeveloperName);
}

}  // namespace

ProgramWindows::ProgramWindows(EndProgram end_program)
    : end_program_(std::move(end_program)), design_(std::make_unique<DesignWindow>()) {
  design_->setMaterials(RememberedMaterials());
  QObject::connect(design_.get(), &DesignWindow::materialsChanged, design_.get(),
                   [this](const DesignMaterials& materials) {
                     RememberMaterials(materials);
                     if (schedule_) schedule_->setMaterials(materials);
                   });
  QObject::connect(design_.get(), &DesignWindow::scheduleRequested, design_.get(),
                   [this] { showScheduleWindow(); });
  QObject::connect(design_.get(), &DesignWindow::notesRequested, design_.get(),
                   [this] { showNotesWindow(); });
  QObject::connect(design_.get(), &DesignWindow::exitRequested, design_.get(),
                   [this] { confirmExit(); });
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::showDesignWindow() {
  design_->show();
  if (notes_) {
    notes_->hide();
  }
}

void ProgramWindows::showNotesWindow() {
  if (!notes_) {
    notes_ = std::make_unique<NotesWindow>();
    QObject::connect(notes_.get(), &NotesWindow::backRequested, notes_.get(),
                     [this] { showDesignWindow(); });
  }
  notes_->show();
  design_->hide();
}

void ProgramWindows::showScheduleWindow() {
  if (!schedule_) schedule_ = std::make_unique<ScheduleWindow>(design_->materials());
  schedule_->show();
  schedule_->raise();
  schedule_->activateWindow();
}

void ProgramWindows::confirmExit() {
  if (AskUser(design_.get(), QMessageBox::Information,
              Texts::tr("رسالة تأكيد", "exit.confirmation"),
              Texts::tr(" هل أنت متأكد من الخروج من البرنامج؟؟؟", "exit.are-you-sure"),
              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  if (schedule_ && !schedule_->settleUnsavedTable()) return;
  AskUser(design_.get(), QMessageBox::Information, ExitTitle(), FarewellText());
  design_->hide();
  if (notes_) {
    notes_->hide();
  }
  if (schedule_) {
    schedule_->hide();
  }
  end_program_(0);
}

}  // namespace coldesign
