// Push buttons, text boxes and picture controls on a window.
#include <QLineEdit>
#include <QPushButton>

#include "main_window_widget.h"
#include "picture_control_widget.h"
#include "qt_text.h"
#include "surface_registry.h"
#include "value_controls.h"
#include "window_registry.h"
#include "window_services.h"

namespace {

constexpr QRgb FaceColour = 0xFFF0F0F0;

}  // namespace

void AddControl(int kind, Handle window, int id, std::string_view text, int x, int y, int width,
                int height, std::uint32_t style) {
    MainWindowWidget* top = WindowWidget(window);
    if (!top) return;
    const Handle handle = NextHandle();
    QWidget* control = nullptr;
    MessageHandler handler;
    if (kind == ControlKind::PushButton) {
        auto* button = new QPushButton(FromText(text), top->client);
        button->setAutoDefault((style & ButtonTakesEnter) != 0);
        QObject::connect(button, &QPushButton::clicked,
                         [window, id, handle] { SendCommand(window, id, handle); });
        control = button;
        control->setGeometry(x, y, width, height);
    } else if (kind == ControlKind::TextBox) {
        auto* box = new QLineEdit(FromText(text), top->client);
        control = box;
        control->setGeometry(x, y, width, height);
    } else if (kind == ControlKind::Picture) {
        auto* picture = new PictureControlWidget(window, handle, id, top->client);
        picture->setGeometry(x - 1, y - 1, width + 2, height + 2);
        // The service's own handling of a press: focus, then tell the owner.
        // Where the press was is the owner's business: the two parameters
        // are only every handler's signature.
        handler = [picture, window, id](Handle self, std::uint32_t message, std::uint32_t,
                                        std::uint32_t) -> std::int32_t {
            if (message == Message::LeftButtonDown) {
                picture->setFocus(Qt::MouseFocusReason);
                SendCommand(window, id, self);
            }
            return 0;
        };
        picture->handler = handler;
        RegisterControlSurface(window, id, picture, width, height, FaceColour);
        control = picture;
    } else if ((control = NewValueControl(kind, window, id, handle, text, style, top->client))) {
        control->setGeometry(x, y, width, height);
    } else {
        return;
    }
    control->setObjectName(QStringLiteral("control-%1").arg(id));
    control->show();
    RegisterHandle({control, nullptr, nullptr, window, id, handler});
}

Handle ControlWindow(Handle window, int id) {
    for (const auto& [handle, entry] : Registry())
        if (entry.widget && entry.owner == window && entry.id == id && id != 0) return handle;
    return 0;
}

std::string GetControlText(Handle control) {
    RegistryEntry* entry = FindHandle(control);
    if (!entry || !entry->widget) return {};
    if (auto* box = qobject_cast<QLineEdit*>(entry->widget.data())) return box->text().toStdString();
    if (auto* button = qobject_cast<QPushButton*>(entry->widget.data()))
        return button->text().toStdString();
    return {};
}

MessageHandler SetControlHandler(Handle control, MessageHandler handler) {
    RegistryEntry* entry = FindHandle(control);
    if (!entry) return nullptr;
    MessageHandler previous = std::move(entry->handler);
    entry->handler = handler;
    if (auto* picture = qobject_cast<PictureControlWidget*>(entry->widget.data()))
        picture->handler = std::move(handler);
    return previous;
}

std::int32_t CallPreviousHandler(const MessageHandler& previous, Handle control,
                                 std::uint32_t message, std::uint32_t first, std::uint32_t second) {
    return previous ? previous(control, message, first, second) : 0;
}
