#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include <future>

// Pictures of the program, drawn in code so that they are crisp at any size.
namespace Artwork {

// The product name in bright letters with a multiplication badge, at the
// one size the windows show it.
inline constexpr QSize LogoSize(153, 41);
QPixmap logo(QSize size);

// The logo drawn into an image, which any thread may do.
QImage logoImage(QSize size, qreal devicePixelRatio);

// Hands the first logo() of this size a drawing under way on another thread,
// which it waits for.
void expectLogo(QSize size, std::shared_future<QImage> drawing);

// The program's icon, the logo's badge, square at the given size; as an SVG
// document; and as the windows' icon at the sizes title and task bars use.
QPixmap icon(int size);
QByteArray iconSvg();
QIcon windowIcon();

// A loudspeaker, with sound waves when the sound is on.
QPixmap loudspeaker(int size, bool withWaves);

// The play and stop symbols of a sound player's buttons.
QPixmap playSymbol(int size);
QPixmap stopSymbol(int size);

} // namespace Artwork
