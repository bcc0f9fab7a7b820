#include "windowkind.h"

#include "corvalen.h"
#include "framedform.h"

namespace {

const struct {
    WindowKind kind;
    const char *name;
} kNames[] = {
    {WindowKind::Empty, "empty"},
    {WindowKind::FramedForm, "form"},
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
    case WindowKind::Program:
        return std::make_unique<Corvalen>();
    }
    return nullptr;
}
