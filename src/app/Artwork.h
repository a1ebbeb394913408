#pragma once

#include <QIcon>
#include <QImage>

// The application's own pictures, drawn when they are first needed: the menu icons
// (16 x 16), the social-network pictures (16 x 16), the donation picture (42 x 105) and the
// product logo of the about dialog (100 x 100). The command buttons' icons are PNG files of
// the same drawings (src/app/icons), held by the window's image list.
namespace Artwork {

enum class MenuIcon {
    Generate,
    Save,
    Exit,
    CheckConnection,
    ShortenUrl,
    ClearText,
    Website,
    VideoTutorial,
    Feedback,
    Donate,
    About
};

enum class Social { Facebook, Twitter, GooglePlus };

QImage MenuIconImage(MenuIcon icon);
QImage SocialImage(Social network);
QImage DonationImage();
QImage AppLogoImage();

QIcon Icon(const QImage& image);

}  // namespace Artwork
