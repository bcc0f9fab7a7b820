#pragma once

#include <QImage>

// The Windows installer's pictures, in the title bar's colours: the tall one
// beside the welcome and finish pages (164x314) and the one at the right of
// the other pages' header (150x57), each with the logo. Opaque, as the
// installer's bitmaps are.
QImage installerWizard();
QImage installerHeader();
