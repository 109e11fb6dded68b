"""The main window and the profile editor under a window manager, driven with the
mouse and the keyboard."""

import datetime
import os
import unittest

from desktop import DesktopTest, wait_until
from main_places import LIST_EMPTY

NAVY = (0, 0, 96)  # the zodiac picture's disc


class MainWindow(DesktopTest):
    def start(self):
        program = self.user.kestrane()
        main = self.desktop.wait_main()
        self.desktop.wait_active(main)
        return program, main

    def tip(self):
        with open(self.user.path("tip_e.htm"), encoding="cp1252") as page:
            return page.read()

    def wait_tip(self, text):
        wait_until(lambda: text in self.tip(), "the tip %r" % text)

    def test_add_profile_with_the_zodiac_picture_beside_the_editor(self):
        desktop, user = self.desktop, self.user
        user.write("mv.ini", "")
        program, main = self.start()
        self.press(main, "Add Profile")
        editor = desktop.wait_window(r"^Profile$")
        zodiac = desktop.wait_window(r"^ $")
        desktop.wait_active(editor)

        # The picture stands against the editor's right edge, as high as its frame,
        # and neither the editor nor the main window hides it.
        _, _, ew, eh = desktop.frame(editor).outer
        ex, ey = (1024 - (ew + 60)) // 2, (768 - eh) // 2 - 20
        desktop.wait_outer(editor, (ex, ey, ew, eh))
        desktop.wait_outer(zodiac, (ex + ew, ey, 60, eh))
        self.assertEqual(desktop.on_top(), zodiac, desktop.titles())
        self.assertTrue(desktop.above(editor, main), desktop.titles())
        picture = desktop.frame(zodiac)
        desktop.wait_colour((picture.x, picture.y, picture.width, picture.height), NAVY, "the sign picture")

        self.press(editor, "Description:", role="text")
        desktop.type("Anna")
        self.press(editor, "Full Name:", role="text")
        desktop.type("Anna Lee")
        # Month, day and year of the birthday follow in the tab order.
        desktop.key("Tab", *["Down"] * 7, "Tab", *["Down"] * 14, "Tab")
        desktop.type("1966")
        # Clicks and keys in the editor leave the picture above it and the main window.
        self.press(editor, "Description:", role="text")
        wait_until(lambda: desktop.active() == editor, "the editor to take the click")
        self.assertTrue(desktop.above(zodiac, editor) and desktop.above(zodiac, main), desktop.titles())
        self.saveShot("profile-editor")
        self.press(editor, "Save")
        desktop.wait_gone(editor)
        desktop.wait_gone(zodiac)

        with open(user.path("Anna.ini"), encoding="utf-8") as profile:
            self.assertEqual(profile.read(), "Profile:Anna\nName:Anna Lee\nYourMonth:8\nYourDate:15\nYourYear:1966\n")
        desktop.wait_active(main)

        # Delete Profile asks first; No (Escape) keeps the profile.
        self.press(main, "Anna Lee")
        self.press(main, "Delete Profile")
        box = desktop.wait_window(r"^Moravel$")
        self.assertOnTopWithFocus(box)
        desktop.key("Escape")
        desktop.wait_gone(box)
        self.assertTrue(os.path.exists(user.path("Anna.ini")))
        desktop.wait_active(main)
        desktop.key("Escape")
        wait_until(lambda: program.poll() is not None, "Kestrane to end")
        with open(user.path("mv.ini"), encoding="utf-8") as index:
            self.assertEqual(index.read(), "Profile:Anna Lee\nDescription:Anna\nAdjustment:Automatic\n")

    def test_a_click_on_empty_list_space_after_two_rows_updates_the_buttons(self):
        desktop, user = self.desktop, self.user
        user.add_profile("Anna", "Anna Lee", 8, 15, 1966)
        user.add_profile("Ben", "Ben Moss", 3, 2, 1980)
        _, main = self.start()
        self.press(main, "Anna Lee")
        self.press(main, "Ben Moss", modifiers=("ctrl",))
        self.wait_tip("Companion button")
        desktop.click(main, *LIST_EMPTY)
        # One row is selected again: the tip and the buttons are those of one profile.
        self.wait_tip("Analyze Day button or click on the Dreams button")
        self.press(main, "Companion")
        self.press(main, "Analyze Day")
        daily = desktop.wait_window(r"^Daily Analysis - ")
        self.assertIn("Anna Lee", desktop.title(daily))
        self.assertEqual(desktop.windows(r"Companion"), [])

    def test_the_arrow_keys_move_through_the_profile_list(self):
        desktop, user = self.desktop, self.user
        for description, name in (("Anna", "Anna Lee"), ("Ben", "Ben Moss"), ("Cleo", "Cleo Park")):
            user.add_profile(description, name, 8, 15, 1966)
        _, main = self.start()
        # A click on the selected row puts the focus in the list; two rows down, and
        # Enter analyses the day of the third profile.
        self.press(main, "Anna Lee")
        desktop.key("Down", "Down")
        self.wait_tip("Analyze Day button or click on the Dreams button")
        desktop.key("Return")
        daily = desktop.wait_window(r"^Daily Analysis - ")
        self.assertIn("Cleo Park", desktop.title(daily))

    def test_the_arrow_keys_walk_the_date_lists(self):
        desktop, user = self.desktop, self.user
        user.add_profile("Anna", "Anna Lee", 8, 15, 1966)
        _, main = self.start()
        # From the list to the month, to January, two months on, and Enter analyses March.
        self.press(main, "Anna Lee")
        desktop.key("Tab", "Home", "Down", "Down")
        desktop.key("Return")
        daily = desktop.wait_window(r"^Daily Analysis - ")
        self.assertIn("March %d, " % datetime.date.today().day, desktop.title(daily))


if __name__ == "__main__":
    unittest.main()
