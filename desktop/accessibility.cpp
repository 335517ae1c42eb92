// SPDX-License-Identifier: MIT
#include "desktop/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusFrame>
#include <QHash>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "desktop/widgets/look.h"
#include "desktop/widgets/widgets.h"

namespace tovimel {
namespace {

constexpr const char* kIgnored = "tovimelIgnored";  // read as part of a neighbour, or decoration
constexpr const char* kDialog = "tovimelDialog";
constexpr const char* kNotice = "tovimelNotice";

// Qt 6.8 sends announcements, which Orca speaks at once; before it, news reaches a screen reader
// only as the description of the control the focus moves to, or as a notification that shows.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
constexpr News kNews = News::Announced;
#else
constexpr News kNews = News::InDescription;
#endif

// The children assistive technology meets: shown ones that speak for themselves.
QList<QWidget*> ShownChildren(const QWidget* parent) {
  QList<QWidget*> out;
  if (parent->isWindow() && parent->isHidden()) return out;
  for (QObject* o : parent->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    // A label of ours says nothing while it has nothing to say (a blank sign).
    if (!w || w->isWindow() || !w->isVisibleTo(parent) || qobject_cast<QFocusFrame*>(w) ||
        w->property(kIgnored).toBool() || w->property(kNotice).toBool() ||
        (qobject_cast<LabelWidget*>(w) && w->accessibleName().isEmpty())) {
      continue;
    }
    out.append(w);
  }
  return out;
}

// The binding's own widgets: they say what the mirror set, and nothing else.
class ControlInterface final : public QAccessibleWidget {
 public:
  ControlInterface(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

  QAccessible::Role role() const override {
    if (widget()->isWindow() && widget()->property(kDialog).toBool()) return QAccessible::Dialog;
    return QAccessibleWidget::role();
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return widget()->accessibleName();
    if (t == QAccessible::Description) return widget()->accessibleDescription();
    return QAccessibleWidget::text(t);
  }
  // A label the keyboard reaches is pressed as Enter presses it.
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (pressable()) names.prepend(pressAction());
    return names;
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && pressable()) {
      static_cast<LabelWidget*>(widget())->click();
      return;
    }
    QAccessibleWidget::doAction(name);
  }
  int childCount() const override { return static_cast<int>(ShownChildren(widget()).size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> shown = ShownChildren(widget());
    if (index < 0 || index >= shown.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(shown[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    return static_cast<int>(
        ShownChildren(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
  }

 private:
  bool pressable() const {
    return qobject_cast<LabelWidget*>(widget()) && widget()->focusPolicy() != Qt::NoFocus;
  }
};

QAccessibleInterface* Factory(const QString& class_name, QObject* object) {
  static const QHash<QString, QAccessible::Role> roles = {
      {QString::fromLatin1(LabelWidget::staticMetaObject.className()), QAccessible::StaticText},
      {QString::fromLatin1(FrameWidget::staticMetaObject.className()), QAccessible::Grouping},
      {QString::fromLatin1(PictureWidget::staticMetaObject.className()), QAccessible::Graphic},
      {QString::fromLatin1(LineWidget::staticMetaObject.className()), QAccessible::Separator},
      {QString::fromLatin1(OutlineWidget::staticMetaObject.className()), QAccessible::Separator},
      {QString::fromLatin1(WindowWidget::staticMetaObject.className()), QAccessible::Window},
      // Without the value interface: Orca would read the level as a percentage of the range.
      // Its name says "Level 3".
      {QString::fromLatin1(QScrollBar::staticMetaObject.className()), QAccessible::ScrollBar},
  };
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget && widget->property(kNotice).toBool()) {
    return new ControlInterface(widget, QAccessible::Notification);
  }
  const auto it = roles.find(class_name);
  return it == roles.end() || !widget ? nullptr : new ControlInterface(widget, *it);
}

// Qt 6.4 tells a line edit's caret and selection before the focus that moved them there; Orca
// then takes the focus for one it knows and does not announce it. Those of a control whose focus
// has not been told yet are left out.
QPointer<QObject>& Announced() {
  static QPointer<QObject> announced;
  return announced;
}

void FocusFirst(QAccessibleEvent* event) {
  switch (event->type()) {
    case QAccessible::Focus:
      Announced() = event->object();
      break;
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
      if (event->object() != Announced()) return;
      break;
    default:
      break;
  }
  // Past this handler, to Qt's own bridge.
  QAccessible::installUpdateHandler(nullptr);
  QAccessible::updateAccessibility(event);
  QAccessible::installUpdateHandler(&FocusFirst);
}

}  // namespace

namespace {

// Whether assistive technology is active, as Qt's accessibility bridge reports it, and the mirrors
// to bring up to date when it becomes so.
struct Activity final : QAccessible::ActivationObserver {
  bool active = QAccessible::isActive();
  std::vector<AccessibleMirror*> mirrors;
  void accessibilityActiveChanged(bool now) override {
    active = now;
    if (active) {
      for (AccessibleMirror* mirror : mirrors) mirror->refresh();
    }
  }
};

Activity& TheActivity() {
  // Lives as long as the process: Qt keeps the observer for good.
  static Activity* const activity = [] {
    auto* a = new Activity;
    QAccessible::installActivationObserver(a);
    return a;
  }();
  return *activity;
}

std::function<void(const QAccessibleEvent&)>& Listener() {
  static std::function<void(const QAccessibleEvent&)> listener;
  return listener;
}

}  // namespace

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    QAccessible::installUpdateHandler(&FocusFirst);
    return true;
  }();
  (void)installed;
  TheActivity();
}

void ListenToAnnouncements(std::function<void(const QAccessibleEvent&)> listener) {
  Listener() = std::move(listener);
}

AccessibleMirror::AccessibleMirror(Form& form, std::vector<QWidget*> widgets, bool dialog)
    : form_(form), widgets_(std::move(widgets)) {
  InstallAccessibleInterfaces();
  QWidget* window = widgets_.front();
  if (kNews == News::InDescription) {
    // Tells a cue when the focus stays where it was. Orca reads a notification as it shows; it
    // drops Qt 6.4's changes of name and description, whose events carry no text.
    notice_ = new QWidget(window);
    notice_->setProperty(kNotice, true);
    notice_->setGeometry(0, 0, 0, 0);
    notice_->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice_->hide();
  }
  const auto& controls = form_.controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (widgets_[i] && !Exposed(form_, controls[i])) widgets_[i]->setProperty(kIgnored, true);
  }
  window->setProperty(kDialog, dialog);
  said_.resize(widgets_.size());
  Activity& activity = TheActivity();
  activity.mirrors.push_back(this);
  if (activity.active) refresh();
  // Told once the handler that made the change is done: a cue must reach only the control that
  // the focus ends on (the binding refreshes first when the focus moves).
  observer_ = form_.observe([this](const Control&, Change what) {
    if (what == Change::Props && TheActivity().active) later();
  });
  QObject::connect(qApp, &QApplication::focusChanged, &context_,
                   [this](QWidget*, QWidget* now) { focusTold(now); });
}

AccessibleMirror::~AccessibleMirror() {
  form_.unobserve(observer_);
  std::erase(TheActivity().mirrors, this);
}

void AccessibleMirror::refresh() {
  if (!TheActivity().active) return;
  mirror();
}

void AccessibleMirror::focusTold(const QObject* widget) {
  if (kNews != News::Announced || !TheActivity().active) return;
  const auto it = std::find(widgets_.begin(), widgets_.end(), widget);
  if (it == widgets_.end()) return;
  arrived_ = &form_.controls()[static_cast<std::size_t>(it - widgets_.begin())];
  later();
}

void AccessibleMirror::later() {
  if (pending_) return;
  pending_ = true;
  QTimer::singleShot(0, &context_, [this] { settle(); });
}

void AccessibleMirror::settle() {
  pending_ = false;
  if (!TheActivity().active) return;
  mirror();
  const Control* focus = form_.focused();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  // Announced after the focus was told, whose own words it follows.
  std::string said;
  if (form_.cueCount() != told_cue_) said = CueSaid(form_);
  if (said.empty() && focus && arrived_ == focus) said = ArrivalSaid(form_, *focus);
  if (!said.empty()) {
    QWidget* at =
        focus ? widgets_[static_cast<std::size_t>(focus - form_.controls().data())] : nullptr;
    QAccessibleAnnouncementEvent event(at ? at : widgets_.front(), ToQString(said));
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
    if (Listener()) Listener()(event);
  }
  arrived_ = nullptr;
#else
  // A cue whose handler left the focus where it was: no focus event will carry it.
  if (form_.cueCount() != told_cue_ && focus == told_focus_) {
    if (const std::string said = CueSaid(form_); !said.empty()) {
      notice_->setAccessibleName(ToQString(said));
      notice_->hide();
      notice_->show();
    }
  }
#endif
  told_cue_ = form_.cueCount();
  told_focus_ = focus;
}

void AccessibleMirror::mirror() {
  const auto& controls = form_.controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    QWidget* w = widgets_[i];
    if (!w) continue;
    Spoken now = Speak(form_, controls[i], kNews);
    if (now == said_[i]) continue;
    if (now.name != said_[i].name) w->setAccessibleName(ToQString(now.name));
    if (now.description != said_[i].description) {
      w->setAccessibleDescription(ToQString(now.description));
    }
    said_[i] = std::move(now);
  }
}

}  // namespace tovimel
