# A small board for the driver clients and the Windows versions.
memory 0xF0000 0x100            # part of the BIOS ROM window, zero-filled
text 0xF0010 "_DMI_"
dword 0xF0018 0x000F0080
memory 0xC0000 0x40 0x20        # start of the video ROM window, blanks
text 0xC0000 "NORVA QB.TEST"
pci 00:1f.3 0x1F3C 0x5A01 0x0C0500 0x02
pci-dword 00:1f.3 0x20 0x00000401
pci 02:00.1 0x10DE 0x0A7F 0x030000
pci-subsystem 02:00.1 0xF157 0x7745
port 0x80 0x5A
smbus-host 0x0400
smbus-device 0x4B 0x02 0x04     # the dual-BIOS controller: running from the second ROM
bios-ident "NORVA TEST BOARD"
bios-info 0 "first"
bios-info 1 "Test Vendor"
bios-info 2 "A7715TST V2.3 010101"
bios-info 3 "fourth"
bios-info-value 0x11223344
