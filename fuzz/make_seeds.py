#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: well-formed server messages,
statstrings and settings files as a real server and a real program folder
hold them. Run it again when a message format changes; the fuzzers start
from these and mutate them."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write(target, name, data):
    folder = os.path.join(HERE, 'corpus', target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), 'wb') as seed:
        seed.write(data)


def cstr(text):
    return (text.encode('cp1252') if isinstance(text, str) else text) + b'\0'


def u32(value):
    return struct.pack('<I', value & 0xFFFFFFFF)


def message(ident, payload):
    return bytes([0xFF, ident]) + struct.pack('<H', len(payload) + 4) + payload


def chat_event(ident, flags, ping, name, text):
    return u32(ident) + u32(flags) + u32(ping) + u32(0) + u32(0xBAADF00D) + u32(0x0DF0ADBA) + cstr(name) + cstr(text)


def diablo2(code, realm, name, class_byte, level, flags, act, ladder):
    data = bytearray(b',' * 33)
    for i in range(0, 33, 3):
        data[i] = 0x81
    data[13], data[25], data[26], data[27], data[30] = class_byte, level, flags, act, ladder
    return code.encode() + realm.encode() + b',' + name.encode() + b',' + bytes(data)


STATSTRINGS = [
    b'RATS 0 0 1 0 0 0 0 0 RATS', b'RATS 0 0 1 1 0 0 0 0 RATS', b'PXES 1500 12 40 0 0 0 0 0 PXES',
    b'RTSJ 1200 0 0 0 0 0 0 0 RTSJ', b'NB2W 0 0 3 0 0 0 1200 0 NB2W', b'RHSS 0 0 0 0 0 0 0 0 RHSS',
    b'LTRD 12 1 1 30 40 50 60 700 0', b'RHSD 3 0 0 1 2 3 4 5 x', b'VD2D', b'PX2D', b'TAHC',
    b'3RAW 3O3W 12', b'3RAW 3O3W 12 TSET', b'PX3W 6D3W 30 xelC', b'PX3W 2H3W 1', b'RATS',
    diablo2('PX2D', 'USEast', 'Grim', 5, 99, 0x24, 158, 255),
    diablo2('VD2D', 'Europe', 'Ama', 2, 60, 0x0C, 152, 255),
    diablo2('PX2D', 'West', 'Bob', 4, 30, 0x28, 136, 1),
]

EVENTS = [
    (0x01, 0x00, 40, 'alice', STATSTRINGS[0]), (0x01, 0x02, 0, 'Op', STATSTRINGS[13]),
    (0x02, 0x00, 120, 'bob', STATSTRINGS[2]), (0x02, 0x10, 300, '*Grim', STATSTRINGS[16]),
    (0x03, 0x00, 0, 'bob', b''), (0x04, 0x00, 0, 'carol', b'psst, over here'),
    (0x05, 0x00, 0, 'alice', b'hello everyone \xe9\xe8'), (0x06, 0x00, 0, 'Battle.net', b'Server restart soon'),
    (0x07, 0x01, 0, 'probe', b'Public Chat 1'), (0x09, 0x20, 0, 'alice', b''),
    (0x0A, 0x00, 0, 'carol', b'sure'), (0x0D, 0, 0, '', b'Full Channel'), (0x0E, 0, 0, '', b'Missing'),
    (0x0F, 0, 0, '', b'Restricted'), (0x12, 0, 0, '', b'You are now away.'),
    (0x13, 0, 0, '', b'That user is not logged on.'), (0x17, 0, 0, 'alice', b'waves'),
]


def receive_loop_seeds():
    logon = message(0x25, u32(0x658)) + message(
        0x50, u32(0) + u32(0x009C2625) + u32(0) + bytes.fromhex('00cbe62eda0cd701') + cstr('ver-IX86-1.mpq') +
        cstr('A=1 B=2 C=3 4 A=A^S'))
    enter_chat = message(0x0A, cstr('probe') + cstr('RATS 0 0 0 0 0 0 0 0 RATS') + cstr('probe'))
    channel = message(0x0F, chat_event(0x07, 0, 0, 'probe', b'Fuzz')) + b''.join(
        message(0x0F, chat_event(i, f, p, n, t)) for (i, f, p, n, t) in EVENTS)
    values = [b'M', b'30', b'Here', b'About me']
    keys_reply = message(0x26, u32(1) + u32(4) + u32(0x1234) + b''.join(cstr(v) for v in values))
    account = message(0x26, u32(1) + u32(10) + u32(0x1235) + b''.join(
        cstr(v) for v in [b'', b'', b'', b'', b'', b'', b'30123456 1234567', b'30123456 1234567',
                          b'30123456 1234567', b'3600']))
    seeds = {
        'logon_start': logon,
        'hash_logon_accepted': message(0x3A, u32(0)),
        'hash_logon_no_account': message(0x3A, u32(1)),
        'account_created': message(0x3D, u32(0)),
        'password_changed': message(0x31, u32(1)),
        'srp_logon': message(0x53, u32(0) + bytes(range(32)) + bytes(range(32, 64))) + message(0x54, u32(0) + bytes(20)),
        'srp_account': message(0x52, u32(0)) + message(0x55, u32(0) + bytes(range(32))) + message(0x57, u32(0)),
        'email': message(0x59, b'') + message(0x5A, u32(0)) + message(0x5B, u32(0)),
        'enter_chat': enter_chat + message(0x0F, chat_event(0x07, 0, 0, 'probe', b'Fuzz')),
        'channel': channel,
        'keep_alive_and_ping': message(0x00, b'') + message(0x25, u32(7)),
        'profile_keys': keys_reply,
        'account_keys': account,
        'warden_notice': message(0x5E, b'\x01\x02'),
        # Requests a server may repeat at will: each is answered once.
        'repeated_registration': message(0x59, b'') * 64,
        'repeated_enter_chat': enter_chat * 16,
        # Text that would start lines of its own or steer a terminal.
        'forged_lines': message(0x0F, chat_event(0x05, 0, 0, 'mallory', 'hi\ufdd0[12:00:00] Admin: password?'.encode()))
        + message(0x0F, chat_event(0x05, 0, 0, 'mallory', b'\x1b[2J\xe2\x80\xae\xc2\x9b\r\n\x0b\x0c'))
        + message(0x0F, chat_event(0x01, 0, 0, b'x\xe2\x80\xa8y', b'RATS 0 0 0 0 0 0 0 0 RATS')),
    }
    for name, data in seeds.items():
        # The first byte tells the target how to cut the stream into reads.
        write('receive_loop_fuzz', name, b'\x00' + data)
    write('receive_loop_fuzz', 'channel_in_small_reads', b'\x07' + channel)
    # The first byte's high bits also pick the profile's settings; its low
    # bits keep the reads small.
    variants = {
        'email_change_after_logon': (0x08, logon),
        'password_retrieval_after_logon': (0x10, logon),
        'new_password_logon': (0x20, logon + message(0x31, u32(1)) + message(0x3A, u32(0))),
        'void_view_channel': (0xC0, channel + message(0x0F, chat_event(0x09, 0, 0, 'hushed', b''))),
        # A channel whose name holds "The Void" is not the Void.
        'void_lounge': (0x40, message(0x0F, chat_event(0x07, 0, 0, 'probe', b'The Void Lounge'))
                        + message(0x0F, chat_event(0x09, 0, 0, 'alice', b''))),
    }
    for name, (setup, data) in variants.items():
        write('receive_loop_fuzz', name, bytes([setup]) + data)


def chat_event_seeds():
    for n, (i, f, p, name, text) in enumerate(EVENTS):
        write('chat_event_fuzz', 'event_%02x_%d' % (i, n), chat_event(i, f, p, name, text))


def statstring_seeds():
    for n, statstring in enumerate(STATSTRINGS):
        write('statstring_fuzz', 'statstring_%02d' % n, statstring)


def ini_seeds():
    config = (b'[Login]\r\nUsername=probe\r\nPassword=Secret1\r\nServer=127.0.0.1:6112\r\nProduct=RATS\r\n'
              b'Home=Public Chat\r\nNew Password=\r\n[Options]\r\nJoin/Leave=1\r\nTimestamps=1\r\n'
              b'[Ping]\r\nSpoof=Regular\r\n[Main]\r\nScheme=Default\r\n')
    scheme = (b'[Colours]\nBackground=0\nText=16777215\n[Fonts]\nChat=Tahoma\nSize=8\n; a comment\n')
    write('ini_reader_fuzz', 'config', config)
    write('ini_reader_fuzz', 'scheme', scheme)
    write('ini_reader_fuzz', 'utf8_signature', b'\xef\xbb\xbf' + 'Home=Канал\r\n'.encode().join(
        [b'[Login]\r\n', b'']) + b'[Options]\r\nIdle Message=\xe4\xbd\xa0\xe5\xa5\xbd\r\n')
    write('ini_reader_fuzz', 'utf8_unsigned', '[Login]\nHome=Café Ünïcode\n'.encode())
    write('ini_reader_fuzz', 'spaces_and_case', b' [ login ] \n  PASSWORD  =  spaced value  \n[login]\nserver=x\n')


def update_reply_seeds():
    head = b'\r\n'.join([b'HTTP/1.1 200 OK', b'Date: Tue, 08 Dec 2026 13:05:09 GMT', b'Server: Apache',
                         b'Last-Modified: Mon, 07 Dec 2026 10:00:00 GMT', b'ETag: "5-1a2b"', b'Accept-Ranges: bytes',
                         b'Content-Length: 5', b'Connection: close', b'Content-Type: text/plain', b'']) + b'\r\n'
    # The first byte is 1 when the server has closed the connection.
    write('update_reply_fuzz', 'newer_closed', b'\x01' + head + b'1.1.3')
    write('update_reply_fuzz', 'newer_line', b'\x00' + head + b'1.1.3\r\n')
    write('update_reply_fuzz', 'same', b'\x01' + head + b'1.1.2')
    write('update_reply_fuzz', 'older', b'\x01' + head + b'1.0.9\r\n')
    write('update_reply_fuzz', 'headers_only', b'\x00' + head)
    write('update_reply_fuzz', 'not_found', b'\x01HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n')


def filter_match_seeds():
    # A pattern, a line feed, then the text it is matched against.
    cases = [(b'*hello*', b'say hello there'), (b'*h*o*', b'hxxo'), (b'*bot[0-9]*', b'MyBot2'),
             (b'*[!a-c]#?*', b'zz9q'), (b'*[abc*', b'broken'), (b'*a*a*a*a*b*', b'a' * 64),
             (b'*[z-a]*', b'descending'), (b'*\xe9t\xe9*', b'\xe9t\xe9 en France'), (b'[]x', b'x')]
    for n, (pattern, text) in enumerate(cases):
        write('filter_match_fuzz', 'pattern_%02d' % n, pattern + b'\n' + text)


receive_loop_seeds()
update_reply_seeds()
chat_event_seeds()
statstring_seeds()
ini_seeds()
filter_match_seeds()
