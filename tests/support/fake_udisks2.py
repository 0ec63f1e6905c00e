'''A fake UDisks2 for the tests: a python-dbusmock template.

Started by the tests on a private bus:
    python3 -m dbusmock --session --template fake_udisks2.py --parameters JSON
JSON: {"partitions": [{"name": "sda2", "type": "hpfs", "label": "WARP4",
"uuid": "...", "size": 2147483648, "mountedAt": "/folder" or "",
"mountAt": "/folder", "refuse": "" or a D-Bus error name}]}

Each partition is a block device object with the interfaces Block and
Filesystem, built with dbusmock's AddObject, AddProperties and AddMethod.
Filesystem.Mount answers with "mountAt" and lists it in MountPoints, or
fails with the error "refuse".
'''

import dbus
import dbusmock

BUS_NAME = 'org.freedesktop.UDisks2'
MAIN_OBJ = '/org/freedesktop/UDisks2'
SYSTEM_BUS = True
IS_OBJECT_MANAGER = True

BLOCK = 'org.freedesktop.UDisks2.Block'
FILESYSTEM = 'org.freedesktop.UDisks2.Filesystem'


def byte_string(text):
    return dbus.Array([dbus.Byte(b) for b in text.encode() + b'\0'], signature='y')


def mount_points(folder):
    return dbus.Array([byte_string(folder)] if folder else [], signature='ay')


MOUNT_CODE = '''
if self.refuse:
    raise dbus.exceptions.DBusException('refused by the test', name=self.refuse)
self.props['%s']['MountPoints'] = dbus.Array([dbus.Array([dbus.Byte(b) for b in self.mount_at.encode() + b'\\0'], signature='y')], signature='ay')
ret = self.mount_at
''' % FILESYSTEM


def load(mock, parameters):
    for p in parameters.get('partitions', []):
        path = MAIN_OBJ + '/block_devices/' + p['name']
        device = '/dev/' + p['name']
        mock.AddObject(path, BLOCK, {
            'Device': byte_string(device),
            'PreferredDevice': byte_string(device),
            'IdType': dbus.String(p['type']),
            'IdUsage': dbus.String('filesystem'),
            'IdLabel': dbus.String(p.get('label', '')),
            'IdUUID': dbus.String(p.get('uuid', '')),
            'Size': dbus.UInt64(p.get('size', 0)),
        }, [])
        obj = dbusmock.get_object(path)
        obj.AddProperties(FILESYSTEM, {'MountPoints': mount_points(p.get('mountedAt', ''))})
        obj.AddMethod(FILESYSTEM, 'Mount', 'a{sv}', 's', MOUNT_CODE)
        obj.refuse = p.get('refuse', '')
        obj.mount_at = p.get('mountAt', '')
