#pragma once

// Qt numbers accessible objects from a counter that stops at the last number
// it gave out, so once that object is destroyed, the next one made takes its
// number. Linux screen readers cache an object's role by that number: a new
// About card took the number of a pane of the card before it and was read as
// that pane, not as a dialog. Call this while a closing window's objects
// still live: it draws one number past them, which is held until the next
// call, so no number of theirs comes back.
void holdLastAccessibleId();
