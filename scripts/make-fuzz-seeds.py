#!/usr/bin/env python3
"""Writes the seed corpus of the page-reader fuzzer: small BMP files of every depth, header kind,
row order and compression the reader accepts, plus broken ones. Usage: make-fuzz-seeds.py DIR"""
import struct, sys, pathlib

out = pathlib.Path(sys.argv[1])
out.mkdir(parents=True, exist_ok=True)

def stride(w, bpp):
    return ((w * bpp + 31) // 32) * 4

def info(w, h, bpp, comp=0, size=40, colors=0, image=0):
    hdr = struct.pack('<IiiHHIIiiII', size, w, h, 1, bpp, comp, image, 2835, 2835, colors, 0)
    return hdr + b'\0' * (size - 40)

def bmp(body):
    return b'BM' + struct.pack('<IHHI', 14 + len(body), 0, 0, 0) + body

def table(n):
    return b''.join(struct.pack('<BBBB', (i * 37) & 255, (i * 91) & 255, (i * 53) & 255, 0) for i in range(n))

def pixels(w, h, bpp):
    s = stride(w, bpp)
    return bytes(((x * 7 + y * 13) & 255) for y in range(h) for x in range(s))

seeds = {}
for bpp in (1, 4, 8):
    n = 1 << bpp
    seeds[f'pal{bpp}.bmp'] = bmp(info(5, 4, bpp, colors=n) + table(n) + pixels(5, 4, bpp))
    seeds[f'pal{bpp}-topdown.bmp'] = bmp(info(5, -4, bpp) + table(n) + pixels(5, 4, bpp))
    core = struct.pack('<IHHHH', 12, 5, 4, 1, bpp) + b''.join(t[:3] for t in [table(n)[i*4:i*4+4] for i in range(n)])
    seeds[f'core{bpp}.bmp'] = bmp(core + pixels(5, 4, bpp))
seeds['short-table8.bmp'] = bmp(info(5, 4, 8, colors=3) + table(3) + pixels(5, 4, 8))
for bpp in (16, 24, 32):
    seeds[f'rgb{bpp}.bmp'] = bmp(info(5, 4, bpp) + pixels(5, 4, bpp))
    seeds[f'rgb{bpp}-topdown.bmp'] = bmp(info(5, -4, bpp) + pixels(5, 4, bpp))
    seeds[f'rgb{bpp}-v5.bmp'] = bmp(info(5, 4, bpp, size=124) + pixels(5, 4, bpp))
seeds['core24.bmp'] = bmp(struct.pack('<IHHHH', 12, 5, 4, 1, 24) + pixels(5, 4, 24))
seeds['rgb24-palette.bmp'] = bmp(info(5, 4, 24, colors=4) + table(4) + pixels(5, 4, 24))
seeds['bf16-565.bmp'] = bmp(info(5, 4, 16, comp=3) + struct.pack('<III', 0xF800, 0x07E0, 0x001F) + pixels(5, 4, 16))
seeds['bf16-555.bmp'] = bmp(info(5, 4, 16, comp=3) + struct.pack('<III', 0x7C00, 0x03E0, 0x001F) + pixels(5, 4, 16))
seeds['bf32.bmp'] = bmp(info(5, 4, 32, comp=3) + struct.pack('<III', 0xFF0000, 0xFF00, 0xFF) + pixels(5, 4, 32))
seeds['bf32-zero-masks.bmp'] = bmp(info(5, 4, 32, comp=3) + struct.pack('<III', 0, 0, 0) + pixels(5, 4, 32))
# Run-length encoded: encoded runs, absolute runs, a delta, end of line and end of bitmap.
rle8 = bytes([3, 1, 0, 3, 2, 3, 4, 0, 0, 0, 2, 1, 1, 0, 0, 5, 7, 0, 1])
seeds['rle8.bmp'] = bmp(info(5, 4, 8, comp=1, colors=8, image=len(rle8)) + table(8) + rle8)
rle4 = bytes([5, 0x12, 0, 0, 0, 4, 0x34, 0x56, 0, 2, 1, 1, 3, 0x77, 0, 1])
seeds['rle4.bmp'] = bmp(info(5, 4, 4, comp=2, colors=16, image=len(rle4)) + table(16) + rle4)
seeds['rle8-runaway.bmp'] = bmp(info(5, 4, 8, comp=1, colors=2, image=8) + table(2) + bytes([255, 1, 0, 2, 200, 200, 0, 255]))
seeds['jpeg-inside.bmp'] = bmp(info(5, 4, 24, comp=4, image=4) + b'\xff\xd8\xff\xd9')
# Masks inside a longer header (V2 52, V3 56, V4 108, V5 124), top-down bit fields, a core
# header above 8 bits, palettes behind deep pictures, PNG data, and run-length streams with deltas
# and odd absolute runs, also top-down.
def masked(size, w, h, bpp, masks):
    return info(w, h, bpp, comp=3, size=size)[:40] + struct.pack('<III', *masks) + b'\0' * (size - 52)
for size in (52, 56, 108):
    seeds[f'bf16-h{size}.bmp'] = bmp(masked(size, 5, 4, 16, (0x7C00, 0x03E0, 0x001F)) + pixels(5, 4, 16))
seeds['bf32-v5-topdown.bmp'] = bmp(masked(124, 5, -4, 32, (0xFF0000, 0xFF00, 0xFF)) + pixels(5, 4, 32))
seeds['bf32-odd-masks.bmp'] = bmp(info(5, 4, 32, comp=3) + struct.pack('<III', 0x3FF00000, 0xFFC00, 0x3FF) + pixels(5, 4, 32))
seeds['core16.bmp'] = bmp(struct.pack('<IHHHH', 12, 5, 4, 1, 16) + pixels(5, 4, 16))
seeds['core32.bmp'] = bmp(struct.pack('<IHHHH', 12, 5, 4, 1, 32) + pixels(5, 4, 32))
seeds['rgb32-palette.bmp'] = bmp(info(5, 4, 32, colors=2) + table(2) + pixels(5, 4, 32))
seeds['png-inside.bmp'] = bmp(info(5, 4, 0, comp=5, image=8) + b'\x89PNG\r\n\x1a\n')
rle8d = bytes([0, 3, 1, 2, 3, 0, 2, 1, 2, 0, 0, 2, 9, 0, 0, 0, 2, 0, 1, 4, 5])
seeds['rle8-delta-topdown.bmp'] = bmp(info(7, -4, 8, comp=1, colors=16) + table(16) + rle8d)
rle4d = bytes([0, 5, 0x12, 0x34, 0x50, 0, 0, 2, 2, 1, 7, 0xAB, 0, 0, 0, 3, 0xCD, 0xE0, 0, 1])
seeds['rle4-delta.bmp'] = bmp(info(9, 4, 4, comp=2, colors=16, image=len(rle4d)) + table(16) + rle4d)
# Broken files.
seeds['empty.bmp'] = b''
seeds['five-bytes.bmp'] = b'BM\0\0\0'
seeds['bad-magic.bmp'] = b'XY' + bmp(info(5, 4, 24) + pixels(5, 4, 24))[2:]
seeds['header-cut.bmp'] = bmp(info(5, 4, 24))[:30]
seeds['huge.bmp'] = bmp(info(60000, 60000, 24))
seeds['too-many-colours.bmp'] = bmp(info(5, 4, 8, colors=300) + table(300))
seeds['planes2.bmp'] = bmp(struct.pack('<IiiHHIIiiII', 40, 5, 4, 2, 24, 0, 0, 0, 0, 0, 0) + pixels(5, 4, 24))
seeds['depth7.bmp'] = bmp(info(5, 4, 7) + pixels(5, 4, 8))
seeds['header20.bmp'] = bmp(struct.pack('<I', 20) + b'\0' * 16)
seeds['pixels-cut.bmp'] = bmp(info(5, 4, 24) + pixels(5, 4, 24)[:20])
for name, data in seeds.items():
    (out / name).write_bytes(data)
