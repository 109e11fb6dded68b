"""Places in the main window's client area, for clicks."""

ADD_PROFILE = (103, 41)
EDIT_PROFILE = (263, 41)
DELETE_PROFILE = (423, 41)
LIST_EMPTY = (390, 330)
ANALYZE_DAY = (70, 492)
SCHEDULE_BUTTON = (198, 492)
OPEN_REPORT = (326, 492)
COMPANION = (454, 492)
DREAMS = (582, 492)
HELP = (710, 492)


def row(index):
    """The profile list's row `index`."""
    return (200, 98 + 18 * index)
