#pragma once

// Shows the about dialog over the main window and opens the product page when the user
// clicked one of its links.
void ShowAboutBox();
