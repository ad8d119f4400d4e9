#pragma once

namespace tessaron {

class Desktop;
struct ModTessaron;

// The number of frames of the emblem's turn.
inline constexpr int kAboutFrameCount = 18;

// The About window's rules: its load finds the browser, its animation counter
// turns through the frames, and a click on the animation opens the home page.
class AboutModel {
public:
    AboutModel(ModTessaron &state, Desktop &desktop);

    // Finds the browser program and starts the counter; the first frame to show.
    int load();
    // One tick of the animation timer: the frame to show now, or 0 to show none.
    int tick();
    // The number of the frame shown last; 0 right after the last frame.
    [[nodiscard]] int conta() const { return m_conta; }
    // Opens the maker's home page in the browser that the load found, or with
    // the desktop's own handler when none was found.
    void openHomePage();

private:
    ModTessaron &m_state;
    Desktop &m_desktop;
    int m_conta = 0;
};

} // namespace tessaron
