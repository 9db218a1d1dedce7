# Failure switches: a failing request, short replies, unserved memory failing, no identity.
memory 0xF0000 0x100 0xAB
unserved fail
fail-request porvik 0xC3506144
short-reply porvik 0xC3506104 16
short-reply norvabios 0x222014 100
bios-info 1 "Vendor"
