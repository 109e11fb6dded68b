"""Takes the README's pictures of every window from a real display (Xvfb and
openbox, frames included), driving the installed programs as a user would.

Usage: python3 tests/desktop/screenshots.py [OUTPUT_FOLDER]   (default: docs/)
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop import Desktop, wait_until  # noqa: E402
from main_places import (ANALYZE_DAY, COMPANION, DREAMS, EDIT_PROFILE, HELP, OPEN_REPORT,  # noqa: E402
                         SCHEDULE_BUTTON, row)

WELCOME = r"^ Moravel 2005 - Take full control"
DAILY = r"^Daily Analysis - "
GREY, WHITE, YELLOW, BLACK, NAVY = (128, 128, 128), (255, 255, 255), (255, 255, 0), (0, 0, 0), (0, 0, 96)


class Camera:
    def __init__(self, desktop, folder):
        self.desktop = desktop
        self.folder = folder

    def shoot(self, name, *windows):
        """A picture of the windows' frames (together they make a rectangle)."""
        desktop = self.desktop
        # The pointer leaves the windows, so no tooltip or hover shows; the page
        # transitions and the pointer's leaving get a moment to finish.
        desktop._x(["xdotool", "mousemove", "--sync", "1023", "767"])
        time.sleep(1.5)
        rects = [desktop.frame(wid).outer for wid in windows]
        left = min(x for x, _, _, _ in rects)
        top = min(y for _, y, _, _ in rects)
        right = max(x + w for x, _, w, _ in rects)
        bottom = max(y + h for _, y, _, h in rects)
        path = os.path.join(self.folder, name + ".png")
        desktop.screenshot(path, (left, top, right - left, bottom - top))
        print("wrote", path)


def inside(desktop, wid):
    frame = desktop.frame(wid)
    return (frame.x, frame.y, frame.width, frame.height)


def installer_and_welcome(desktop, camera):
    user = desktop.new_user("newcomer")
    os.makedirs(os.path.join(user.home, "Desktop"), exist_ok=True)
    installer = user.installer()
    options = desktop.wait_focused(r"^Installation Options$")
    camera.shoot("InstallOptionsWindow", options)
    desktop.click(options, 98, 112)  # no start afterwards
    desktop.click(options, 225, 231)
    box = desktop.wait_focused(r"^Moravel$")
    desktop.key("Return")
    wait_until(lambda: installer.poll() is not None, "the installer to end")

    user.kestrane()
    welcome = desktop.wait_window(WELCOME)
    desktop.wait_colour(inside(desktop, welcome), WHITE, "the welcome text")
    camera.shoot("WelcomePage", welcome)
    desktop.key("Escape")
    main = desktop.wait_main()
    desktop.wait_active(main)
    desktop.key("Escape")
    wait_until(lambda: not desktop.windows(), "Moravel to close")

    uninstall = user.uninstall()
    window = desktop.wait_focused(r"^Uninstall Moravel$")
    camera.shoot("UninstallWindow", window)
    desktop.click(window, 157, 119)
    removed = desktop.wait_focused(r"^Moravel Uninstaller$")
    camera.shoot("RemovedWindow", removed)
    desktop.key("Escape")
    desktop.wait_gone(removed)
    wait_until(lambda: uninstall.poll() is not None, "the uninstaller to end")


def page(desktop, camera, name, title, colour):
    window = desktop.wait_focused(title)
    desktop.wait_colour(inside(desktop, window), colour, "the page of " + name)
    camera.shoot(name, window)
    desktop.key("Escape")
    desktop.wait_gone(window)


def everyday_windows(desktop, camera):
    user = desktop.new_user("regular")
    user.add_profile("Anna", "Anna Lee", 8, 15, 1966)
    user.add_profile("Ben", "Ben Moss", 3, 2, 1980)
    user.add_profile("Cleo", "Cleo Park", 12, 24, 1990)
    user.stub("sendmail", "cat > /dev/null")
    user.stub("systemctl", "exit 0")
    user.write("contacts.ini", "Name:Ben Moss\nEmail:ben@example.org\nName:Cleo Park\nEmail:cleo@example.org\n")
    program = user.kestrane()
    main = desktop.wait_main()
    tip = desktop.wait_window(r"^Quick Tip$")
    desktop.wait_active(main)
    desktop.wait_colour(inside(desktop, tip), YELLOW, "the tip")
    camera.shoot("MainWindow", main, tip)

    desktop.click(main, *EDIT_PROFILE)
    editor = desktop.wait_window(r"^Profile$")
    zodiac = desktop.wait_window(r"^ $")
    desktop.wait_active(editor)
    desktop.wait_colour(inside(desktop, zodiac), NAVY, "the sign picture")
    camera.shoot("ProfileEditorWindow", editor, zodiac)
    desktop.click(editor, 424, 148)  # Sign
    page(desktop, camera, "SignPage", r"^ Astrology: Zodiac Sign$", YELLOW)
    desktop.click(editor, 360, 148)  # Year
    page(desktop, camera, "YearPage", r"^ Astrology: Year$", YELLOW)
    desktop.click(editor, 498, 148)  # Number
    page(desktop, camera, "NumberPage", r"^ Numerology: Soul Number$", YELLOW)
    desktop.key("Escape")
    desktop.wait_gone(editor)

    desktop.click(main, *ANALYZE_DAY)
    daily = desktop.wait_focused(DAILY)
    camera.shoot("DailyAnalysisWindow", daily)
    desktop.click(daily, 746, 28)  # E
    hourly = desktop.wait_focused(r"^Hourly Analysis - ")
    camera.shoot("HourlyWindow", hourly)
    desktop.key("Escape")
    desktop.wait_gone(hourly)
    desktop.click(daily, 746, 268)  # M
    month = desktop.wait_focused(r"^Month at a Glance - ")
    camera.shoot("MonthViewWindow", month)
    desktop.key("Escape")
    desktop.wait_gone(month)
    desktop.click(daily, 746, 228)  # S
    page(desktop, camera, "SuperstitionPage", r"^ Daily Superstition$", BLACK)
    desktop.click(daily, 733, 551)  # ?
    page(desktop, camera, "ExplanationPage", r"^ Daily Analysis - How To Use$", YELLOW)

    desktop.click(daily, 123, 551)  # Email: save first
    box = desktop.wait_focused(r"^Moravel$")
    desktop.key("Return")
    dialog = desktop.wait_focused(r"^Save Report$")
    desktop.type("anna")
    desktop.key("Return")
    box = desktop.wait_focused(r"^Moravel$")
    desktop.key("Return")
    email = desktop.wait_focused(r"^Email$")
    desktop.type("anna@example.org")
    camera.shoot("EmailWindow", email)
    desktop.click(email, 471, 362)  # Add contact
    contact = desktop.wait_focused(r"^Contact Information$")
    camera.shoot("ContactWindow", contact)
    desktop.key("Escape")
    desktop.wait_gone(contact)
    desktop.click(email, 30, 365)  # Resize report
    desktop.click(email, 227, 365)  # Resize
    resize = desktop.wait_focused(r"^Quick Resize")
    camera.shoot("ResizeWindow", resize)
    desktop.key("Escape")
    desktop.wait_gone(resize)
    desktop.key("Escape")
    desktop.wait_gone(email)
    desktop.key("Escape")
    desktop.wait_gone(daily)

    desktop.click(main, *OPEN_REPORT)
    dialog = desktop.wait_focused(r"^Select Daily Report$")
    desktop.type("anna.jpg")
    desktop.key("Return")
    viewer = desktop.wait_focused(r"^To print Daily Report in color")
    camera.shoot("ReportViewWindow", viewer)
    desktop.key("Return")
    desktop.wait_gone(viewer)

    desktop.click(main, *row(0))
    desktop.click(main, *row(1), modifiers=("ctrl",))
    desktop.click(main, *COMPANION)
    companion = desktop.wait_focused(r"^Companion Analysis$")
    camera.shoot("CompanionWindow", companion)
    desktop.click(companion, 220, 269)  # Explain
    page(desktop, camera, "CompanionPage", r"^ Companion Analysis$", YELLOW)
    desktop.key("Escape")
    desktop.wait_gone(companion)

    desktop.click(main, *row(0))
    desktop.click(main, *SCHEDULE_BUTTON)
    schedule = desktop.wait_focused(r"^Schedule Daily Analysis Report via Email Delivery$")
    desktop.click(schedule, 357, 119)
    desktop.type("anna@example.org")
    camera.shoot("ScheduleWindow", schedule)
    desktop.click(schedule, 300, 300)  # Help
    page(desktop, camera, "EmailHelpPage", r"^ E-mail: Outlook and Outlook Express$", YELLOW)
    desktop.wait_active(schedule)
    desktop.click(schedule, 170, 300)  # Save
    box = desktop.wait_focused(r"^Moravel$")
    desktop.key("Return")
    desktop.wait_gone(schedule)
    desktop.click(main, *SCHEDULE_BUTTON)
    current = desktop.wait_focused(r"^Currently Scheduled Daily Report$")
    camera.shoot("CurrentScheduleWindow", current)
    desktop.key("Escape")
    desktop.wait_gone(current)

    desktop.click(main, *DREAMS)
    page(desktop, camera, "DreamPage", r"^ Dream Interpretation$", YELLOW)

    desktop.click(main, *HELP)
    wizard = desktop.wait_focused(r"^Help Wizard$")
    desktop.wait_colour(inside(desktop, wizard), (0, 128, 0), "the help page")
    camera.shoot("HelpWizard", wizard)
    for topic in range(2, 10):  # the other topics, chosen from the keyboard
        desktop.key("Down")
        camera.shoot("HelpTopic%d" % topic, wizard)
    desktop.key("Escape")
    desktop.wait_gone(wizard)

    desktop.key("Escape")
    wait_until(lambda: program.poll() is not None, "Moravel to end")


def main():
    folder = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs"))
    os.makedirs(folder, exist_ok=True)
    desktop = Desktop()
    try:
        camera = Camera(desktop, folder)
        installer_and_welcome(desktop, camera)
        everyday_windows(desktop, camera)
    finally:
        desktop.close()


if __name__ == "__main__":
    main()
