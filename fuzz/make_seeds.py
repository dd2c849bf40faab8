#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/. Each seed is a small program of
operations in the order the target reads them (see ByteReader.h)."""
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))
MAX_LINE = 64 * 1024


def u16(v):
    return struct.pack('<H', v)


def u32(v):
    return struct.pack('<I', v & 0xFFFFFFFF)


def lp(b):
    if isinstance(b, str):
        b = b.encode('latin-1')
    assert len(b) < 256
    return bytes([len(b)]) + b


def write(target, name, data):
    d = os.path.join(here, 'corpus', target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), 'wb') as f:
        f.write(data)


# fuzz_command_lines: op%8 0-4 arrival, 5 reset, 6 long run, 7 byte by byte.
def arrival(b):
    return b'\x00' + lp(b)


def run(mode, delta, fill=b'A', n=0, cut=0):
    out = b'\x06' + bytes([mode, delta & 0xFF]) + fill
    if not mode & 1:
        out += u16(n)
    if mode & 2:
        out += u16(cut)
    return out


t = 'fuzz_command_lines'
write(t, 'connected_and_split_buffer',
      arrival('CONNECTED N0CALL-1 N0CALL-2 2300 VIA1 VIA2\r') + arrival('BUFFER 12\rBUF') + arrival('FER 0\r'))
write(t, 'byte_by_byte', b'\x07' + lp('ptt on\rPTT OFF\rDISCONNECTED\r\r'))
write(t, 'line_at_limit', run(1 | 4, 0) + arrival('BUFFER 5\r'))
write(t, 'line_past_limit_split', run(1 | 2 | 4, 1, b'Z', cut=30000) + arrival('NEXT LINE\r'))
write(t, 'partial_then_reset', arrival('BUFFER 1') + b'\x05' + arrival('BUFFER 3\r'))
write(t, 'huge_counts', arrival('BUFFER 99999999999999999999999\rBUFFER -5\rBUFFER  +7\r'))
write(t, 'crlf_lines', arrival('PTT ON\r\nPTT OFF\r\n'))
write(t, 'all_bytes', arrival(bytes(range(0, 128))) + arrival(bytes(range(128, 256))) + arrival(b'\r'))

# fuzz_rx_text: op%16 0-8,15 received (0x80: into a text), 9-11 banner, 12 clear,
# 13 large received, 14 large banner.
t = 'fuzz_rx_text'
write(t, 'line_breaks', b'\x00' + lp(b'hello\r\nworld\rx\ny\r') + b'\x80' + lp(b'\n\r\r\n') + b'\x09' + lp(b'<N0CALL-2\r\n'))
write(t, 'past_the_cap', b'\x0d' + bytes([2]) + b'ab\r' + u16(35000) + b'\x00' + lp(b'tail\r'))
write(t, 'banners_past_ceiling', (b'\x0e' + b'\x00' + b'b' + u16(65535)) * 4 + b'\x00' + lp(b'x'))
write(t, 'clear_between', b'\x00' + lp(b'one\r') + b'\x0c' + b'\x00' + lp(b'two\r\n'))
write(t, 'every_byte', b'\x01' + lp(bytes(range(1, 255))))
write(t, 'utf16_text', 'K\u00e9ld\u20ac\U0001F600\ud800x'.encode('utf-16-le', 'surrogatepass'))

# fuzz_ini: u16 length, the file, then setValue operations (how, section, key, value).
t = 'fuzz_ini'
typical = ('[PTT]\r\nRig=52\r\nPTTPort=COM1\r\nVia=3\r\n\r\n[Setup]\r\nMy Callsign=N0CALL-1\r\n'
           'KELDO Mode=KELDOFM\r\n0ConnectHF List=EA1ABC-1\r\n1ConnectHF List=bad call\r\n'
           'Font Size=10.5\r\nColour="Black"\r\n; a comment\r\n\r\n[Position]\r\nTop Position=-870\r\n'
           'Window State=2\r\n[Path]\r\nLoad Path File=  /home/op  \r\n[Ports]\r\nCOM1=/dev/ttyUSB0\r\n').encode('latin-1')
write(t, 'typical', u16(len(typical)) + typical
      + b'\x02' + lp('x') + lp('My Callsign') + lp('  spaced  ')
      + b'\x00' + lp('New') + lp('a=b') + lp('v')
      + b'\x00' + lp('Setup') + lp('[Key') + lp('line\r\nbreak')
      + b'\x05' + lp('') + lp('') + lp('"quoted"'))
odd = ('junk before sections\n[ptt]\nrig = 200\n[PTT]\nRig=7\n[Setup]\r  My Callsign = \'ab-t\'\r'
       'AutoLaunch=0x10\n\x1a\n[Setup]\nColour=Red\n[ Position ] trailing\nTerminal Width=99999999999\n').encode('latin-1')
write(t, 'odd_lines', u16(len(odd)) + odd + b'\x09' + lp('') + lp('Colour') + lp('x' * 200))
utf8 = '\ufeff[Setup]\nMy Callsign=EA1\u00c9\nColour=\u00fcber\n'.encode('utf-8')
write(t, 'utf8_bom', u16(len(utf8)) + utf8 + b'\x11' + lp('Setup') + lp('Colour') + lp('\xe9'))
utf16 = b'\xff\xfe' + '[Path]\r\nSave Path File=C:\\Users\\op\r\n'.encode('utf-16-le')
write(t, 'utf16_bom', u16(len(utf16)) + utf16 + b'\x00' + lp('Path') + lp('Load Path File') + lp(' x '))
unmarked = '[Setup]\nHF Host\nKELDO HF Path=/home/\u0418\u0432\u0430\u043d/KELDO\nHF Host=hidden\n'.encode('utf-8')
write(t, 'utf8_unmarked_bare_key', u16(len(unmarked)) + unmarked
      + b'\x00' + lp('Setup') + lp('hf host') + lp('modem')
      + b'\x20' + lp('Path') + lp('Load Path File') + lp('/home/\u0418\u0432\u0430\u043d'.encode('utf-8')))
write(t, 'empty_file', u16(0) + b'\x00' + lp('S') + lp('K') + lp('') + b'\x00' + lp(']') + lp('k') + lp('v'))

# fuzz_callsign: mode, text, three pool texts, ten list entries, pushes.
t = 'fuzz_callsign'
def history(mode, text, pool, entries, pushes):
    return bytes([mode]) + lp(text) + b''.join(lp(p) for p in pool) + bytes(entries) + bytes(pushes)
write(t, 'ssid', history(0, 'n0call-1', ['EA1ABC', 'EA1ABC-T', 'AB-17'], [2, 3, 0, 0, 0, 0, 0, 0, 0, 0], [2, 4, 0, 1, 3]))
write(t, 'limits', history(0, 'ABCDEFG-10', ['AB-18', '-1', 'ABCDEFGH'], [1, 2, 3, 4, 1, 2, 3, 4, 1, 2], [3, 3, 1]))
write(t, 'two_digit', history(0, 'ab-09', ['AB-00', 'AB-8', 'AB--1'], [0] * 10, [2, 3, 4]))
write(t, 'unicode', history(3, '\u0131b1-r'.encode('utf-16-le'), ['\u00df'.encode('utf-16-le'), b'a\x00', b''], list(range(10)), [1, 2]))

# fuzz_fields: op%6 0 CONNECTED, 1/2 BUFFER, 3 other line, 4 DISCONNECTED, 5 rounding.
t = 'fuzz_fields'
def block(form, v):
    return bytes([form]) + u32(v)
def count(text, raw=True):
    return bytes([1 if raw else 0]) + lp(text)
write(t, 'conversation', b'\x00' + lp('n0call-1 n0call-2 500 digi1 wide')
      + b'\x01' + block(0, 20) + count('10') + b'\x01' + block(0, 20) + count('0') + b'\x04')
write(t, 'odd_counts', b'\x01' + block(2, 1000) + count('99999999999999999999999')
      + b'\x01' + block(0, 50) + count('-5') + b'\x01' + block(0, 50) + count(' 7')
      + b'\x01' + block(0, 50) + count('12 13') + b'\x02' + block(1, 0) + count('3')
      + b'\x01' + block(3, 0x80000000) + count('1'))
write(t, 'halves', b'\x05' + u32(8) + count('3') + u32(3)
      + b'\x05' + u32(200) + count('1') + u32(1) + b'\x05' + u32(40) + count('1') + u32(1))
write(t, 'connected_fields', b'\x00' + lp('A') + b'\x00' + lp('A B C D E NARROW') + b'\x00' + lp('  ')
      + b'\x03' + lp('PTT ON'))
