// The Win32 window's control identifiers, one for each designed control, so that the window's
// code and programs that drive it from outside (the end-to-end test) find the same controls.
// Arrays of controls take consecutive numbers: Text2(row) is kValueBox + row.
#pragma once

namespace korvala::win::control_id {

inline constexpr int kTitle = 1000;        // Label1(0)
inline constexpr int kGivenCaption = 1001; // Label1(1)
inline constexpr int kProblemList = 1010;  // List1(0)
inline constexpr int kFrame = 1020;        // Frame1
inline constexpr int kGivenCheck = 1030;   // Check1(0) .. Check1(4)
inline constexpr int kValueBox = 1040;     // Text2(0) .. Text2(4)
inline constexpr int kButton = 1050;       // Command1(0) calculates, Command1(1) clears
inline constexpr int kPicture = 1060;      // Picture1
inline constexpr int kStatement = 1070;    // Text1(0)

} // namespace korvala::win::control_id
