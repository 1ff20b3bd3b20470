// The dialog boxes the system makes for the program (message boxes, the common file dialog), as
// opposed to the program's own dialogs, which answer WM_CLOSE_FOR_RESCAN themselves.
#pragma once

// Ends every visible system dialog box of the calling thread by pressing the button that changes
// nothing: Cancel, else No, else OK. A question ended this way is answered as the user's No. The
// press is posted: each box ends once the message being handled is done.
void EndSystemDialogs();
