#pragma once

#include <QString>

#include <memory>

class QWidget;

// The windows the benchmark compares, each started as the program starts.
enum class WindowKind { Empty, FramedForm, Bare, Frameless, Program };

// "empty", "form", "bare", "frameless" or "corvalen"; false for any other name.
bool windowKindFromName(const QString &name, WindowKind *kind);
QString windowKindName(WindowKind kind);
std::unique_ptr<QWidget> makeWindow(WindowKind kind);
