#include "host/HostEvents.h"

#include "foundation/Context.h"
#include "foundation/Debug.h"
#include "foundation/Lang.h"
#include "foundation/StringM.h"

namespace zantrel {

namespace {

// A handler runs inside another host call; a host that is gone must not break that call.
void HideHost(HostState& state) {
  try {
    if (state.HostApp) state.HostApp->SetVisible(false);
  } catch (const host::HostError& e) {
    DebugLog(std::string("AppEvents: Unable to hide Kormet: ") + e.what(), 5);
  }
}

}  // namespace

class HostEvents::EndReceiver : public host::EventListener {
 public:
  explicit EndReceiver(HostState& state) : state_(state) {}

  void OnEndExecution(const host::EventRoutine& routine, int terminationType) override {
    std::string text;
    if (terminationType == host::kEndNormal) {
      text = "Kormet program finished execution and terminated normally.";
      state_.cancelled = false;
    } else {
      HideHost(state_);
      text =
          terminationType == host::kEndCancelled
              ? "Kormet program was cancelled; Measurement will be halted."
              : "Kormet program was cancelled for an unknown reason; Measurement will be halted.";
      state_.cancelled = true;
    }
    DebugLog(
        Translate(text) + " " + state_.version + " " + Translate("Program Name:") + routine.name,
        0);
  }

 private:
  HostState& state_;
};

class HostEvents::DetailReceiver : public host::EventListener {
 public:
  explicit DetailReceiver(HostState& state) : state_(state) {}

  void OnObjectAboutToExecute(const host::EventRoutine&,
                              const host::EventCommand& command) override {
    DebugLog(Translate("Kormet Object about to execute, the command is:") + command.text, 10);
  }
  void OnObjectExecuted(const host::EventRoutine&, const host::EventCommand& command) override {
    DebugLog(Translate("Kormet Object executed, the command was:") + command.text, 10);
  }
  void OnOpenPartProgram(const host::EventRoutine& routine) override {
    DebugLog(Translate("Kormet opened the Measurement Routine:") + routine.name, 0);
  }
  void OnStartExecution(const host::EventRoutine& routine) override {
    DebugLog(Translate("Kormet started execution of the Measurement Routine:") + routine.name, 0);
  }
  void OnAddObject(const host::EventRoutine&, const host::EventCommand& command) override {
    DebugLog(Translate("Invalid command is inserted into Measurement Routine") + command.text, 10,
             true, kWarn);
  }
  void OnUpdateStatusMessage(const std::string& text) override {
    DebugLog("KormetOnUpdateStatusMessage: Fired: Message was: " + text, 9);
    if (ContainsNoCase(text, host::kCanceledStatus)) {
      HideHost(state_);
      state_.cancelled = true;
      DebugLog(Translate("Kormet Measurement Routine was canceled by user"), 0, true, kInfo);
    }
  }
  void OnClosePartProgram(const host::EventRoutine&) override {
    DebugLog("KormetOnClosePartProgram: Fired", 0);
  }

 private:
  HostState& state_;
};

HostEvents::HostEvents(HostState& state)
    : state_(state),
      endReceiver_(std::make_unique<EndReceiver>(state)),
      detailReceiver_(std::make_unique<DetailReceiver>(state)) {}

HostEvents::~HostEvents() {
  // The host objects may be gone already; nothing may escape a destructor.
  try {
    if (AppEvents_) AppEvents_->Detach(endReceiver_.get());
    if (AppEventsKormet_) AppEventsKormet_->Detach(detailReceiver_.get());
  } catch (...) {
  }
}

void HostEvents::AttachEvents() {
  // A re-join brings a new event source; the old one must stop calling our receivers.
  try {
    if (AppEvents_) AppEvents_->Detach(endReceiver_.get());
    if (AppEventsKormet_) AppEventsKormet_->Detach(detailReceiver_.get());
  } catch (const host::HostError&) {
  }
  AppEvents_.reset();
  AppEventsKormet_.reset();
  if (!state_.HostApp) return;
  AppEvents_ = state_.HostApp->ApplicationEvents();
  if (AppEvents_) AppEvents_->Attach(endReceiver_.get());
  if (Ctx().debugLevel >= 10) {
    AppEventsKormet_ = AppEvents_;
    if (AppEventsKormet_) AppEventsKormet_->Attach(detailReceiver_.get());
  }
}

void HostEvents::DetachEvents() {
  try {
    if (AppEvents_) AppEvents_->Detach(endReceiver_.get());
    if (AppEventsKormet_) AppEventsKormet_->Detach(detailReceiver_.get());
  } catch (const host::HostError& e) {
    DebugLog(std::string("DetachEvents: ") + e.what(), 5);
  }
  AppEvents_.reset();
  AppEventsKormet_.reset();
}

void HostEvents::DeliverPending() {
  try {
    if (AppEvents_) AppEvents_->DeliverPending();
  } catch (const host::HostError&) {
  }
}

}  // namespace zantrel
