#include "x11_drag_session.h"

#include <X11/Xatom.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace netbar::xdnd {
namespace {

constexpr int kOurVersion = 5;
constexpr int kOldestVersion = 3;

using Clock = std::chrono::steady_clock;

// "move" -> "XdndActionMove": the protocol's atoms are the command line's
// names, capitalised.
[[nodiscard]] std::string ActionAtomName(DropAction action) {
  std::string name(ActionName(action));
  name[0] = static_cast<char>(name[0] - 'a' + 'A');
  return "XdndAction" + name;
}

class DragSession {
 public:
  DragSession(const XDisplay& display, const DragRequest& request)
      : display_(display),
        request_(request),
        xdnd_selection_(display.atom("XdndSelection")),
        uri_list_(display.atom("text/uri-list")),
        targets_(display.atom("TARGETS")),
        timestamp_(display.atom("TIMESTAMP")),
        type_list_(display.atom("XdndTypeList")),
        enter_(display.atom("XdndEnter")),
        position_(display.atom("XdndPosition")),
        status_(display.atom("XdndStatus")),
        leave_(display.atom("XdndLeave")),
        drop_(display.atom("XdndDrop")),
        finished_(display.atom("XdndFinished")),
        action_(display.atom(ActionAtomName(request.action).c_str())),
        version_(std::min(kOurVersion, request.target.version)) {}

  ~DragSession() {
    if (source_ != None) {
      XDestroyWindow(display_.get(), source_);
      XFlush(display_.get());
    }
  }
  DragSession(const DragSession&) = delete;
  DragSession& operator=(const DragSession&) = delete;

  [[nodiscard]] DragResult Run();

 private:
  enum class Wait { kDone, kTimedOut, kFailed };

  [[nodiscard]] bool PrepareSource();
  [[nodiscard]] bool Send(Atom message, long l1, long l2, long l3, long l4);
  // Handles events until `done` accepts one or the timeout passes,
  // answering selection requests meanwhile.
  [[nodiscard]] Wait Pump(const std::function<bool(const XEvent&)>& done);
  // False when the event ends the drag (the target went away, the
  // selection was taken).
  [[nodiscard]] bool Handle(const XEvent& event);
  void Answer(const XSelectionRequestEvent& request);
  [[nodiscard]] bool IsFromTarget(const XEvent& event, Atom message) const;
  [[nodiscard]] std::string AtomName(Atom atom) const;
  [[nodiscard]] std::string Fetched() const;
  void Say(const std::string& line) const;
  [[nodiscard]] DragResult Fail(ExitStatus status, std::string message) const {
    return DragResult{status, std::move(message)};
  }

  const XDisplay& display_;
  const DragRequest& request_;
  const Atom xdnd_selection_, uri_list_, targets_, timestamp_, type_list_;
  const Atom enter_, position_, status_, leave_, drop_, finished_, action_;
  const int version_;
  Window source_ = None;
  Time time_ = CurrentTime;
  std::string failure_;
  int uri_list_answers_ = 0;
};

DragResult DragSession::Run() {
  const DropTarget& target = request_.target;
  if (target.version < kOldestVersion) {
    return Fail(kFailed, "window " + WindowIdText(target.window) + " speaks XDND version " +
                             std::to_string(target.version) + "; version " +
                             std::to_string(kOldestVersion) + " or later is needed");
  }
  if (!target.types.empty() &&
      std::find(target.types.begin(), target.types.end(), uri_list_) == target.types.end()) {
    return Fail(kRefused, "window " + WindowIdText(target.window) +
                              " is XDND-aware only for other types than text/uri-list");
  }
  if (!PrepareSource()) return Fail(kFailed, failure_);
  Say("target " + WindowIdText(target.window) +
      (target.deliver_to != target.window ? " via proxy " + WindowIdText(target.deliver_to) : "") +
      ", XDND version " + std::to_string(target.version) + ", speaking version " +
      std::to_string(version_));

  // The only type fits into XdndEnter itself; the bit for "more than three,
  // see XdndTypeList" stays clear.
  if (!Send(enter_, static_cast<long>(version_) << 24, static_cast<long>(uri_list_), 0, 0)) {
    return Fail(kFailed, failure_);
  }
  Say("sent XdndEnter offering text/uri-list");
  const long point = (static_cast<long>(request_.root_x) << 16) | (request_.root_y & 0xFFFF);
  if (!Send(position_, 0, point, static_cast<long>(time_), static_cast<long>(action_))) {
    return Fail(kFailed, failure_);
  }
  Say("sent XdndPosition at " + std::to_string(request_.root_x) + "," +
      std::to_string(request_.root_y) + " with " + AtomName(action_));

  XClientMessageEvent status{};
  switch (Pump([&](const XEvent& event) {
    if (!IsFromTarget(event, status_)) return false;
    status = event.xclient;
    return true;
  })) {
    case Wait::kDone:
      break;
    case Wait::kTimedOut:
      (void)Send(leave_, 0, 0, 0, 0);
      return Fail(kFailed, "the target sent no XdndStatus within " +
                               SecondsText(request_.timeout_seconds) + " (" + Fetched() +
                               "); sent XdndLeave");
    case Wait::kFailed:
      return Fail(kFailed, failure_);
  }
  const bool accepted = (status.data.l[1] & 1) != 0;
  Say(std::string("received XdndStatus: ") + (accepted ? "accepted" : "not accepted") +
      ", action " + AtomName(static_cast<Atom>(status.data.l[4])) + " (" + Fetched() + ")");
  if (!accepted) {
    (void)Send(leave_, 0, 0, 0, 0);
    return Fail(kRefused, "the target refused the drop (XdndStatus: not accepted; " + Fetched() +
                              "); sent XdndLeave, nothing was dropped");
  }

  if (!Send(drop_, 0, static_cast<long>(time_), 0, 0)) return Fail(kFailed, failure_);
  Say("sent XdndDrop");
  XClientMessageEvent finished{};
  switch (Pump([&](const XEvent& event) {
    if (!IsFromTarget(event, finished_)) return false;
    finished = event.xclient;
    return true;
  })) {
    case Wait::kDone:
      break;
    case Wait::kTimedOut:
      return Fail(kFailed, "the target sent no XdndFinished within " +
                               SecondsText(request_.timeout_seconds) + " after XdndDrop (" +
                               Fetched() + ")");
    case Wait::kFailed:
      return Fail(kFailed, failure_);
  }

  const std::string what = std::to_string(request_.file_count) +
                           (request_.file_count == 1 ? " file" : " files") + " on window " +
                           WindowIdText(target.window) + " at " + std::to_string(request_.root_x) +
                           "," + std::to_string(request_.root_y);
  // Before version 5 XdndFinished carries no verdict.
  if (version_ >= 5) {
    const bool performed = (finished.data.l[1] & 1) != 0;
    Say(std::string("received XdndFinished: ") + (performed ? "performed" : "not performed") +
        ", action " + AtomName(static_cast<Atom>(finished.data.l[2])));
    if (!performed) {
      return Fail(kDeclined, "dropped " + what +
                                 ", but the target reported the drop as not performed (" +
                                 Fetched() + ")");
    }
    return DragResult{kDropped, "dropped " + what + "; the target performed " +
                                    AtomName(static_cast<Atom>(finished.data.l[2]))};
  }
  Say("received XdndFinished");
  return DragResult{kDropped, "dropped " + what};
}

bool DragSession::PrepareSource() {
  Display* const display = display_.get();
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.event_mask = PropertyChangeMask;
  source_ = XCreateWindow(display, display_.root(), -1, -1, 1, 1, 0, CopyFromParent, InputOnly,
                          CopyFromParent, CWOverrideRedirect | CWEventMask, &attributes);

  // Setting the type list also yields a server timestamp (from the
  // PropertyNotify) for the selection and the messages: ownership taken at
  // CurrentTime would let a late request from an earlier drag through.
  XChangeProperty(display, source_, type_list_, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&uri_list_), 1);
  if (request_.action == DropAction::kAsk) {
    const Atom actions[] = {display_.atom("XdndActionCopy"), display_.atom("XdndActionMove"),
                            display_.atom("XdndActionLink")};
    XChangeProperty(display, source_, display_.atom("XdndActionList"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(actions), 3);
    static constexpr char kDescriptions[] = "Copy\0Move\0Link";
    XChangeProperty(display, source_, display_.atom("XdndActionDescription"), XA_STRING, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(kDescriptions),
                    sizeof kDescriptions);
  }
  const Wait stamped = Pump([&](const XEvent& event) {
    if (event.type != PropertyNotify || event.xproperty.window != source_ ||
        event.xproperty.atom != type_list_) {
      return false;
    }
    time_ = event.xproperty.time;
    return true;
  });
  if (stamped != Wait::kDone) {
    if (stamped == Wait::kTimedOut)
      failure_ = "the X server sent no PropertyNotify for our own window";
    return false;
  }

  XSetSelectionOwner(display, xdnd_selection_, source_, time_);
  if (XGetSelectionOwner(display, xdnd_selection_) != source_) {
    failure_ = "could not become the owner of XdndSelection";
    return false;
  }
  // A target that goes away mid-drag ends the wait at once.
  XSelectInput(display, request_.target.window, StructureNotifyMask);
  if (const std::optional<std::string> error = display_.TakeError()) {
    failure_ = "window " + WindowIdText(request_.target.window) + " is gone: " + *error;
    return false;
  }
  return true;
}

bool DragSession::Send(Atom message, long l1, long l2, long l3, long l4) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.display = display_.get();
  // With a proxy the message goes to the proxy but still names the target.
  event.xclient.window = request_.target.window;
  event.xclient.message_type = message;
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(source_);
  event.xclient.data.l[1] = l1;
  event.xclient.data.l[2] = l2;
  event.xclient.data.l[3] = l3;
  event.xclient.data.l[4] = l4;
  XSendEvent(display_.get(), request_.target.deliver_to, False, NoEventMask, &event);
  if (const std::optional<std::string> error = display_.TakeError()) {
    failure_ = "sending " + AtomName(message) + " to " + WindowIdText(request_.target.deliver_to) +
               " failed: " + *error;
    return false;
  }
  return true;
}

DragSession::Wait DragSession::Pump(const std::function<bool(const XEvent&)>& done) {
  Display* const display = display_.get();
  const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                           std::chrono::duration<double>(request_.timeout_seconds));
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (!Handle(event)) return Wait::kFailed;
      if (done(event)) return Wait::kDone;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return Wait::kTimedOut;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(std::min<long long>(left.count(), 1000)) + 1);
  }
}

bool DragSession::Handle(const XEvent& event) {
  switch (event.type) {
    case SelectionRequest:
      Answer(event.xselectionrequest);
      return true;
    case SelectionClear:
      if (event.xselectionclear.selection != xdnd_selection_) return true;
      failure_ = "another client took XdndSelection during the drag";
      return false;
    case DestroyNotify:
      if (event.xdestroywindow.window != request_.target.window) return true;
      failure_ = "window " + WindowIdText(request_.target.window) +
                 " was destroyed during the drag (" + Fetched() + ")";
      return false;
  }
  return true;
}

void DragSession::Answer(const XSelectionRequestEvent& request) {
  Display* const display = display_.get();
  // A requestor of the old kind names no property; the target stands in.
  const Atom property = request.property != None ? request.property : request.target;
  bool answered = false;
  if (request.selection == xdnd_selection_ && request.owner == source_) {
    if (request.target == targets_) {
      const Atom supported[] = {targets_, timestamp_, uri_list_};
      XChangeProperty(display, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(supported), 3);
      answered = true;
    } else if (request.target == timestamp_) {
      const long stamp = static_cast<long>(time_);
      XChangeProperty(display, request.requestor, property, XA_INTEGER, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(&stamp), 1);
      answered = true;
    } else if (request.target == uri_list_) {
      long limit = XExtendedMaxRequestSize(display);
      if (limit == 0) limit = XMaxRequestSize(display);
      // The request's header takes 24 of the bytes a request may hold.
      if (request_.uri_list.size() + 24 > static_cast<size_t>(limit) * 4) {
        std::fprintf(stderr, "xdnd-drop: the uri-list (%zu bytes) is too long for one X request\n",
                     request_.uri_list.size());
      } else {
        XChangeProperty(display, request.requestor, property, uri_list_, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(request_.uri_list.data()),
                        static_cast<int>(request_.uri_list.size()));
        answered = true;
        ++uri_list_answers_;
      }
    }
  }
  Say("answered a request for " + AtomName(request.target) + " by " +
      WindowIdText(request.requestor) + (answered ? "" : ": refused"));

  XEvent reply{};
  reply.xselection.type = SelectionNotify;
  reply.xselection.display = display;
  reply.xselection.requestor = request.requestor;
  reply.xselection.selection = request.selection;
  reply.xselection.target = request.target;
  reply.xselection.property = answered ? property : None;
  reply.xselection.time = request.time;
  XSendEvent(display, request.requestor, False, NoEventMask, &reply);
  // A requestor that vanished meanwhile does not end the drag.
  if (const std::optional<std::string> error = display_.TakeError()) {
    Say("the requestor " + WindowIdText(request.requestor) + " could not be answered: " + *error);
  }
}

bool DragSession::IsFromTarget(const XEvent& event, Atom message) const {
  return event.type == ClientMessage && event.xclient.message_type == message &&
         event.xclient.format == 32 &&
         static_cast<Window>(event.xclient.data.l[0]) == request_.target.window;
}

std::string DragSession::AtomName(Atom atom) const {
  if (atom == None) return "None";
  char* name = XGetAtomName(display_.get(), atom);
  if (name == nullptr) {
    (void)display_.TakeError();
    return "atom " + std::to_string(atom);
  }
  std::string text = name;
  XFree(name);
  return text;
}

std::string DragSession::Fetched() const {
  return "text/uri-list fetched " + std::to_string(uri_list_answers_) +
         (uri_list_answers_ == 1 ? " time" : " times");
}

void DragSession::Say(const std::string& line) const {
  if (request_.verbose) std::fprintf(stderr, "xdnd-drop: %s\n", line.c_str());
}

}  // namespace

DragResult RunDrag(const XDisplay& display, const DragRequest& request) {
  DragSession session(display, request);
  return session.Run();
}

}  // namespace netbar::xdnd
