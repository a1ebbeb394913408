#pragma once

#include <string>

// The informational commands of the main window. Each builds its address from the
// installation values and hands it to the shell; failures to open are silent.

// Asks the desktop to open a web address or a mail link; the outcome is not looked at.
void OpenInShell(const std::string& target);

void OpenProductPage();       // AppWebsite
void OpenFacebookLink();      // AppWebsite + "?social=fb"
void OpenTwitterLink();       // AppWebsite + "?social=tw"
void OpenGooglePlusLink();    // AppWebsite + "?social=gp"
void OpenVideoTutorial();     // AppWebsite + "?playvideo"
void OpenUrlShortenerPage();  // the URL-shortener page on the maker's web host

// Asks for a donation; OK opens the donation page on the maker's web host.
void RequestDonation();

// Invites feedback; OK opens FeedbackLink in the user's mail program.
void RequestFeedback();
