#include "windowkind.h"

#include "barewindow.h"
#include "corvalen.h"
#include "framedform.h"

namespace {

const struct {
    WindowKind kind;
    const char *name;
} kNames[] = {
    {WindowKind::Empty, "empty"},
    {WindowKind::FramedForm, "form"},
    {WindowKind::Bare, "bare"},
    {WindowKind::Frameless, "frameless"},
    {WindowKind::Program, "corvalen"},
};

} // namespace

bool windowKindFromName(const QString &name, WindowKind *kind)
{
    for (const auto &entry : kNames) {
        if (name == QLatin1String(entry.name)) {
            *kind = entry.kind;
            return true;
        }
    }
    return false;
}

QString windowKindName(WindowKind kind)
{
    for (const auto &entry : kNames) {
        if (entry.kind == kind)
            return QLatin1String(entry.name);
    }
    return QString();
}

std::unique_ptr<QWidget> makeWindow(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Empty:
        return std::make_unique<QMainWindow>();
    case WindowKind::FramedForm:
        return std::make_unique<FramedForm>();
    case WindowKind::Bare:
        return std::make_unique<BareWindow>();
    case WindowKind::Frameless:
        return std::make_unique<FramelessWindow>();
    case WindowKind::Program:
        return std::make_unique<Corvalen>();
    }
    return nullptr;
}
