#include "enterkey.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace orbista {

namespace {

// Lives as a child of its box, so it goes when the box goes.
class EnterFilter : public QObject {
  public:
    EnterFilter(QWidget* box, std::function<void()> handler)
        : QObject(box), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                handler_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> handler_;
};

}  // namespace

void onEnter(QWidget* box, std::function<void()> handler) {
    box->installEventFilter(new EnterFilter(box, std::move(handler)));
}

}  // namespace orbista
