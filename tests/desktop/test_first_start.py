"""The first start as a new user meets it: the welcome page, then the main window
with its Quick Tip line, and the end of the run."""

import os
import unittest

from desktop import DesktopTest, wait_until

WELCOME = r"^ Moravel 2005 - Take full control"
WHITE = (255, 255, 255)
GREY = (128, 128, 128)


class FirstStart(DesktopTest):
    def test_welcome_escape_main_window_and_close(self):
        desktop, user = self.desktop, self.user
        program = user.kestrane()

        welcome = desktop.wait_window(WELCOME)
        self.assertOnTopWithFocus(welcome)
        # 730 x 320 is the window, frame included, centred on the screen.
        desktop.wait_outer(welcome, (147, 224, 730, 320))
        frame = desktop.frame(welcome)
        # The content page follows the grey entry page; its highlighted words are white.
        desktop.wait_colour(frame_area(frame), WHITE, "the welcome text")

        # Escape reaches the window although the page view has the focus.
        desktop.key("Escape")
        desktop.wait_gone(welcome)

        # The main window, centred by its frame with room for the tip line, which
        # stands right under the frame, as wide, 85 high with its own frame.
        main = desktop.wait_main()
        tip = desktop.wait_window(r"^Quick Tip$")
        desktop.wait_active(main)
        mx, my, mw, mh = desktop.frame(main).outer
        desktop.wait_outer(tip, (mx, my + mh, mw, 85))
        wait_until(lambda: desktop.above(tip, main), "the tip line above the main window")
        self.saveShot("first-start-main")

        # A fixed line: it cannot be maximised or resized, and it travels with the main window.
        self.assertFalse({"MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE"} & desktop.allowed_actions(tip))
        desktop.drag_title(main, -60, -40)
        wait_until(lambda: desktop.frame(main).outer[:2] == (mx - 60, my - 40), "the main window to move")
        desktop.wait_outer(tip, (mx - 60, my - 40 + mh, mw, 85))

        # The tip line refuses to close; the box says so and the line stays.
        desktop.click(tip, 5, 5)
        desktop.wait_active(tip)
        desktop.key("Escape")
        box = desktop.wait_window(r"^Moravel$")
        self.assertOnTopWithFocus(box)
        desktop.key("Return")
        desktop.wait_gone(box)
        self.assertIn(tip, desktop.windows())

        # Escape in the main window ends the run and removes the generated pages.
        desktop.click(main, 390, 440)
        desktop.wait_active(main)
        desktop.key("Escape")
        wait_until(lambda: program.poll() is not None, "Kestrane to end")
        self.assertEqual(program.returncode, 0)
        self.assertEqual([name for name in os.listdir(user.install_dir) if name.endswith(".htm")], [])


def frame_area(frame):
    return (frame.x, frame.y, frame.width, frame.height)


if __name__ == "__main__":
    unittest.main()
