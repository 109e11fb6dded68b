'''A notification service that closes every notification as it shows it, so
that a scheduled run that notifies ends at once.'''

BUS_NAME = 'org.freedesktop.Notifications'
MAIN_OBJ = '/org/freedesktop/Notifications'
MAIN_IFACE = 'org.freedesktop.Notifications'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddMethods(MAIN_IFACE, [
        ('Notify', 'susssasa{sv}i', 'u', 'self.EmitSignal("", "NotificationClosed", "uu", [1, 2])\nret = 1'),
    ])
