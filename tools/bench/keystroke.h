#pragma once

class QLineEdit;

enum class Painting { Deferred, Synchronous };

// Microseconds of one keystroke on average, a whole point typed and then
// erased in one go. With synchronous painting the window paints and flushes
// what the keystroke changed before the next key, as the event loop would.
double keystrokeMicros(QLineEdit *edit, Painting painting);
