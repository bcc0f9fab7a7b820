// libFuzzer target for the input path: the bytes become edits that a user
// makes on the two point fields of a real main window (typed keys, backspace
// and delete, cursor moves and selections, cut, paste, select-all-and-replace,
// drops, undo and redo), and after every edit the window must still make
// sense. A pasted or dropped text that reads as a point must read as one the
// fields take whole.
//
// Script format (so that seeds stay readable):
//   printable ASCII      typed as that key
//   bytes 0x80 and up    typed as one of a few look-alike characters
//   \t                   the other point field gets the focus
//   \n                   the distance field gets the focus (the user may type there)
//   \b  0x7f             Backspace, Delete
//   0x02 0x05 0x03 0x04  Home, End, Left, Right
//   0x06 0x07            Shift+Left, Shift+Right (extend the selection)
//   0x01 0x18 0x1a 0x19  select all, cut, undo, redo
//   0x16 TEXT 0x16       TEXT goes to the clipboard and is pasted with the key
//   0x12 TEXT 0x12       select all, then paste TEXT over it
//   0x10 TEXT 0x10       TEXT is dragged in from elsewhere and dropped at the cursor
// A missing closing byte ends the text at the end of the input.

#include "coordinates.h"
#include "corvalen.h"
#include "pastedpoint.h"

#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QImage>
#include <QKeySequence>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kHalfCircumferenceKm = 20037.6;

// A broken invariant is reported like a crash, so that the fuzzer keeps the input.
[[noreturn]] __attribute__((format(printf, 1, 2))) void fail(const char *format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::fputs("fuzz_coordinate_input: ", stderr);
    std::vfprintf(stderr, format, arguments);
    std::fputc('\n', stderr);
    va_end(arguments);
    std::abort();
}

class Session
{
public:
    Session()
    {
        m_window.show();
        m_points[0] = field("lineEditPoint1");
        m_points[1] = field("lineEditPoint2");
        m_distance = field("lineEditDistance");
        QObject::connect(m_distance, &QLineEdit::textChanged, m_distance, [this] {
            m_programWroteDistance = !m_userEditsDistance;
        });
        for (int i = 0; i < 2; ++i)
            QObject::connect(m_points[i], &QLineEdit::textChanged, m_points[i],
                             [this, i](const QString &text) { m_signalled[i] = text; });
    }

    void run(const uint8_t *data, size_t size)
    {
        reset();
        m_script = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
        for (m_next = 0; m_next < m_script.size();) {
            step(uchar(m_script.at(m_next++)));
            check();
        }
        // Whatever the fields hold must also lay out and paint; plain ASCII
        // has been painted often enough by then.
        for (QLineEdit *edit : {m_points[0], m_points[1], m_distance}) {
            const QString text = edit->text();
            if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7e; }))
                edit->render(&m_canvas);
        }
    }

private:
    QLineEdit *field(const char *name)
    {
        auto *edit = m_window.findChild<QLineEdit *>(QLatin1String(name));
        if (!edit)
            fail("the main window has no field %s", name);
        return edit;
    }

    // Every input starts from a fresh-looking window: both points empty (which
    // also empties the window's parts), no distance, nothing on the clipboard.
    void reset()
    {
        for (int i = 0; i < 2; ++i) {
            m_points[i]->setText(QString());
            m_signalled[i].clear();
        }
        m_userEditsDistance = true;
        m_distance->setText(QString());
        m_userEditsDistance = false;
        m_programWroteDistance = false;
        if (m_clipboardUsed)
            QApplication::clipboard()->clear();
        m_clipboardUsed = false;
        m_target = m_points[0];
        m_target->setFocus();
    }

    void step(uchar byte)
    {
        m_userEditsDistance = m_target == m_distance;
        switch (byte) {
        case '\t': focus(m_target == m_points[0] ? m_points[1] : m_points[0]); break;
        case '\n': focus(m_distance); break;
        case '\b': key(Qt::Key_Backspace); break;
        case 0x7f: key(Qt::Key_Delete); break;
        case 0x02: key(Qt::Key_Home); break;
        case 0x05: key(Qt::Key_End); break;
        case 0x03: key(Qt::Key_Left); break;
        case 0x04: key(Qt::Key_Right); break;
        case 0x06: key(Qt::Key_Left, Qt::ShiftModifier); break;
        case 0x07: key(Qt::Key_Right, Qt::ShiftModifier); break;
        case 0x01: standardKey(QKeySequence::SelectAll); break;
        case 0x18: m_clipboardUsed = true; standardKey(QKeySequence::Cut); break;
        case 0x1a: standardKey(QKeySequence::Undo); break;
        case 0x19: standardKey(QKeySequence::Redo); break;
        case 0x16: paste(text(byte)); break;
        case 0x12: standardKey(QKeySequence::SelectAll); paste(text(byte)); break;
        case 0x10: drop(text(byte)); break;
        default:
            if (byte >= 0x20 && byte < 0x7f)
                QTest::keyClick(m_target, char(byte));
            else if (byte >= 0x80)
                QTest::sendKeyEvent(QTest::Click, m_target, Qt::Key_unknown, lookAlike(byte), Qt::NoModifier);
            break;
        }
        m_userEditsDistance = false;
    }

    void focus(QLineEdit *edit)
    {
        m_target = edit;
        m_target->setFocus();
    }

    void key(Qt::Key code, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(m_target, code, modifiers);
    }

    // The platform's own binding, as the user would press it.
    void standardKey(QKeySequence::StandardKey which)
    {
        auto known = m_bindings.constFind(which);
        if (known == m_bindings.constEnd()) {
            const QList<QKeySequence> bindings = QKeySequence::keyBindings(which);
            if (bindings.isEmpty())
                fail("no key binding for standard key %d", int(which));
            known = m_bindings.insert(which, bindings.first()[0]);
        }
        key(Qt::Key(*known & ~Qt::KeyboardModifierMask),
            Qt::KeyboardModifiers(*known & Qt::KeyboardModifierMask));
    }

    void paste(const QString &clip)
    {
        checkReading(clip);
        m_clipboardUsed = true;
        QApplication::clipboard()->setText(clip);
        standardKey(QKeySequence::Paste);
    }

    void drop(const QString &dropped)
    {
        checkReading(dropped);
        QMimeData data;
        data.setText(dropped);
        const QPoint caret = m_target->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QDragEnterEvent enter(caret, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_target, &enter);
        QDropEvent drop(caret, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_target, &drop);
    }

    // A point read from pasted text is one that a field takes whole, and
    // reads as itself again.
    void checkReading(const QString &pasted)
    {
        const PastedPoint point = pointFromPastedText(pasted);
        if (!point.isPoint())
            return;
        QString text = point.text;
        int position = text.size();
        if (m_points[0]->validator()->validate(text, position) != QValidator::Acceptable)
            fail("\"%s\" reads as \"%s\", which a field refuses", qPrintable(pasted), qPrintable(point.text));
        const PastedPoint again = pointFromPastedText(point.text);
        if (again.reading != PasteReading::Point || again.text != point.text)
            fail("\"%s\" reads as \"%s\", which reads otherwise", qPrintable(pasted), qPrintable(point.text));
    }

    // The bytes up to the closing `delimiter` (or the end), as text.
    QString text(uchar delimiter)
    {
        QString result;
        while (m_next < m_script.size()) {
            const uchar byte = uchar(m_script.at(m_next++));
            if (byte == delimiter)
                break;
            result += byte >= 0x80 ? lookAlike(byte) : QString(QChar(byte));
        }
        return result;
    }

    // Characters that look like, or count as, parts of a coordinate.
    static QString lookAlike(uchar byte)
    {
        static const char16_t table[] = {
            0xff10, 0xff15, 0xff0c, 0xff0e, 0xff0d, // full-width 0 5 , . -
            0x0660, 0x0665, 0x06f9, 0x0966, 0x0e53, // other scripts' digits
            0x2212, 0x2013, 0x066b, 0x066c, 0x00a0, 0x2009, // minus, dash, separators, spaces
            0x00b2, 0x00bd, 0x2155, 0x2070, // superscript, fractions
            0x200b, 0xfeff, 0x202e, 0x0301, // zero width, bidi override, combining accent
            0xd800, 0xdc00, 0xfffd, 0x00ad, // lone surrogates, replacement, soft hyphen
            0x00b0, 0x2032, 0x2033, // degree, minute and second signs
        };
        constexpr size_t count = sizeof table / sizeof table[0];
        return QString(QChar(ushort(table[size_t(byte - 0x80) % count])));
    }

    void check()
    {
        for (int i = 0; i < 2; ++i) {
            QLineEdit *point = m_points[i];
            // What the field shows is what the window was told.
            if (point->text() != m_signalled[i])
                fail("%s shows \"%s\" but announced \"%s\"", qPrintable(point->objectName()),
                     qPrintable(point->text()), qPrintable(m_signalled[i]));
            QString text = point->text();
            int position = point->cursorPosition();
            if (!point->validator())
                fail("%s lost its validator", qPrintable(point->objectName()));
            if (point->validator()->validate(text, position) == QValidator::Invalid)
                fail("%s holds refused text \"%s\"", qPrintable(point->objectName()), qPrintable(point->text()));
        }
        if (!m_programWroteDistance)
            return;
        const QString shown = m_distance->text();
        bool isNumber = false;
        const double kilometres = shown.toDouble(&isNumber);
        if (!isNumber || !std::isfinite(kilometres) || kilometres < 0.0 || kilometres > kHalfCircumferenceKm)
            fail("the distance field shows \"%s\"", qPrintable(shown));
        if (QString::number(kilometres, 'g', 6) != shown)
            fail("the distance \"%s\" is not printed with six significant digits", qPrintable(shown));
        // Once both fields hold a point, the last change computed from both.
        const QStringList first = m_points[0]->text().split(QLatin1Char(','));
        const QStringList second = m_points[1]->text().split(QLatin1Char(','));
        if (first.size() != 2 || second.size() != 2)
            return;
        const QString expected = formatDistance(computeDistance(first.at(0).toDouble(), first.at(1).toDouble(),
                                                                second.at(0).toDouble(), second.at(1).toDouble()));
        if (shown != expected)
            fail("the distance shows \"%s\" for \"%s\" and \"%s\", not \"%s\"", qPrintable(shown),
                 qPrintable(m_points[0]->text()), qPrintable(m_points[1]->text()), qPrintable(expected));
    }

    Corvalen m_window;
    QLineEdit *m_points[2] = {};
    QString m_signalled[2];
    QLineEdit *m_distance = nullptr;
    QLineEdit *m_target = nullptr;
    bool m_userEditsDistance = false;
    bool m_programWroteDistance = false;
    QByteArray m_script;
    int m_next = 0;
    QHash<int, int> m_bindings;
    QImage m_canvas{400, 40, QImage::Format_ARGB32_Premultiplied};
    bool m_clipboardUsed = false;
};

Session *session = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Qt keeps the argument count by reference: give it storage of its own,
    // and none of the fuzzer's options.
    static int argc = 1;
    static char name[] = "fuzz_coordinate_input";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
    session = new Session;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    session->run(data, size);
    // The event loop runs now and then only: a repaint of the whole window
    // behind its blurred shadow costs more than the edits themselves.
    static unsigned inputs = 0;
    if (++inputs % 256 == 0)
        QApplication::processEvents();
    return 0;
}
