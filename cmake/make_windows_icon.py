#!/usr/bin/env python3
"""Makes a Windows icon file (.ico) from PNG images.

Each PNG becomes two images of its size in the icon: one of 16 colours (4 bits
a pixel) in the standard Windows palette and one of 256 colours (8 bits a
pixel) in a palette made for it by median cut. Both are bitmaps with a 1-bit
transparency mask, the form every Windows version reads, so the icon shows
the same from the oldest to the newest.

Colours are matched by their distance in CIELAB (CIE 1976), which keeps a
muted red red where the distance in RGB would take grey. There is no
dithering: at 16 and 32 pixels scattered dots look like noise, not like the
colour in between. A pixel is opaque when its alpha is at least half.

Usage: make_windows_icon.py OUTPUT.ico INPUT.png...
Only the Python standard library is needed (zlib decodes the PNGs).
"""

import os
import struct
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"

# PNG's colour types (the IHDR chunk's field) and how many samples a pixel has.
PNG_SAMPLES = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}
PNG_GREY, PNG_RGB, PNG_PALETTE, PNG_GREY_ALPHA, PNG_RGBA = 0, 2, 3, 4, 6

# Alpha from which a pixel is drawn rather than left transparent.
OPAQUE_FROM_ALPHA = 128

# The 16 colours of the Windows (VGA) palette in the order of a 4-bit
# bitmap's default colour table; index 0, black, is what transparent pixels
# hold, since the mask keeps the screen there and XOR with black changes
# nothing.
WINDOWS_16_COLOURS = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
TRANSPARENT_INDEX = 0
BLACK = (0, 0, 0)

# The largest side an icon directory entry can name (0 in its byte means 256).
MAX_ICON_SIDE = 256
# Sizes of the headers of the icon format and of a bitmap (BITMAPINFOHEADER).
ICON_DIR_SIZE = 6
ICON_DIR_ENTRY_SIZE = 16
BITMAP_INFO_HEADER_SIZE = 40
ICON_RESOURCE_TYPE = 1


class IconError(Exception):
    pass


# --- PNG decoding ----------------------------------------------------------

def read_png_chunks(data, name):
    if not data.startswith(PNG_SIGNATURE):
        raise IconError(f"{name}: not a PNG file")
    position = len(PNG_SIGNATURE)
    while position + 12 <= len(data):
        (length,) = struct.unpack(">I", data[position:position + 4])
        kind = data[position + 4:position + 8]
        body = data[position + 8:position + 8 + length]
        (crc,) = struct.unpack(">I", data[position + 8 + length:position + 12 + length] or b"\0\0\0\0")
        if len(body) != length or zlib.crc32(kind + body) != crc:
            raise IconError(f"{name}: chunk {kind!r} is damaged or cut short")
        yield kind, body
        if kind == b"IEND":
            return
        position += 12 + length
    raise IconError(f"{name}: the file ends before its IEND chunk")


def paeth(left, up, up_left):
    estimate = left + up - up_left
    distance_left, distance_up = abs(estimate - left), abs(estimate - up)
    distance_up_left = abs(estimate - up_left)
    if distance_left <= distance_up and distance_left <= distance_up_left:
        return left
    return up if distance_up <= distance_up_left else up_left


def unfilter_rows(raw, width, height, pixel_bytes, name):
    """Undoes the PNG row filters; returns the rows as bytearrays."""
    stride = width * pixel_bytes
    if len(raw) != height * (stride + 1):
        raise IconError(f"{name}: image data has {len(raw)} bytes, expected {height * (stride + 1)}")
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, row = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = row[i - pixel_bytes] if i >= pixel_bytes else 0
            up = previous[i]
            up_left = previous[i - pixel_bytes] if i >= pixel_bytes else 0
            if kind == 0:
                continue
            if kind == 1:
                predictor = left
            elif kind == 2:
                predictor = up
            elif kind == 3:
                predictor = (left + up) // 2
            elif kind == 4:
                predictor = paeth(left, up, up_left)
            else:
                raise IconError(f"{name}: unknown row filter {kind} in row {y}")
            row[i] = (row[i] + predictor) & 0xFF
        rows.append(row)
        previous = row
    return rows


def decode_png(path):
    """Returns (width, height, rows of (r, g, b, a) tuples) of an 8-bit PNG."""
    with open(path, "rb") as file:
        data = file.read()
    header, palette, transparency, compressed = None, None, None, []
    for kind, body in read_png_chunks(data, path):
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"PLTE":
            palette = [tuple(body[i:i + 3]) for i in range(0, len(body), 3)]
        elif kind == b"tRNS":
            transparency = body
        elif kind == b"IDAT":
            compressed.append(body)
    if header is None:
        raise IconError(f"{path}: no IHDR chunk")
    width, height, depth, colour_type, _, _, interlace = header
    if depth != 8 or colour_type not in PNG_SAMPLES or interlace != 0:
        raise IconError(f"{path}: only non-interlaced PNGs of 8 bits a sample are read "
                        f"(this one: {depth} bits, colour type {colour_type}, interlace {interlace})")
    if colour_type == PNG_PALETTE and palette is None:
        raise IconError(f"{path}: palette image without a PLTE chunk")
    try:
        raw = zlib.decompress(b"".join(compressed))
    except zlib.error as error:
        raise IconError(f"{path}: image data does not inflate: {error}") from error
    samples = PNG_SAMPLES[colour_type]
    rows = unfilter_rows(raw, width, height, samples, path)

    # tRNS: alpha per palette entry, or the one grey or RGB value (as 16-bit
    # samples) that stands for transparent.
    palette_alpha = list(transparency or b"") if colour_type == PNG_PALETTE else []
    clear_key = None
    if transparency is not None and colour_type in (PNG_GREY, PNG_RGB):
        clear_key = tuple(v & 0xFF for v in struct.unpack(f">{len(transparency) // 2}H", transparency))

    def pixel(row, x):
        values = row[x * samples:(x + 1) * samples]
        if colour_type == PNG_RGBA:
            return tuple(values)
        if colour_type == PNG_GREY_ALPHA:
            return (values[0],) * 3 + (values[1],)
        if colour_type == PNG_PALETTE:
            index = values[0]
            if index >= len(palette):
                raise IconError(f"{path}: pixel uses palette entry {index} of {len(palette)}")
            alpha = palette_alpha[index] if index < len(palette_alpha) else 255
            return palette[index] + (alpha,)
        colour = tuple(values) if colour_type == PNG_RGB else (values[0],) * 3
        alpha = 0 if clear_key is not None and tuple(values) == clear_key else 255
        return colour + (alpha,)

    return width, height, [[pixel(row, x) for x in range(width)] for row in rows]


# --- Colour matching and palettes ------------------------------------------

def to_lab(colour):
    """CIELAB of an sRGB colour under the D65 white point."""
    def linear(channel):
        c = channel / 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (linear(c) for c in colour)
    x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047
    y = 0.2126 * r + 0.7152 * g + 0.0722 * b
    z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883

    def f(t):
        return t ** (1 / 3) if t > (6 / 29) ** 3 else t / (3 * (6 / 29) ** 2) + 4 / 29
    return 116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))


def nearest_index(colour, palette_lab):
    lab = to_lab(colour)
    return min(range(len(palette_lab)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(lab, palette_lab[i])))


def median_cut(counts, limit):
    """Up to limit colours for the {colour: pixel count} given: boxes of
    colours are split at the weighted median of their widest channel until
    there are limit boxes or every box holds one colour; each box gives its
    weighted mean. With no more colours than limit the result is exact."""
    boxes = [list(counts.items())] if counts else []

    def width(box):
        return max(max(c[k] for c, _ in box) - min(c[k] for c, _ in box) for k in range(3))

    while len(boxes) < limit:
        splittable = [box for box in boxes if len(box) > 1]
        if not splittable:
            break
        box = max(splittable, key=width)
        channel = max(range(3), key=lambda k: max(c[k] for c, _ in box) - min(c[k] for c, _ in box))
        box.sort(key=lambda item: item[0][channel])
        half, seen, cut = sum(n for _, n in box) / 2, 0, 1
        for cut in range(1, len(box)):
            seen += box[cut - 1][1]
            if seen >= half:
                break
        boxes.remove(box)
        boxes += [box[:cut], box[cut:]]

    def mean(box):
        total = sum(n for _, n in box)
        return tuple(round(sum(c[k] * n for c, n in box) / total) for k in range(3))
    return [mean(box) for box in boxes]


def icon_palette(pixels, bits_per_pixel):
    """The colour table of an image and how many of its entries are in use.
    16 colours: the Windows palette. 256: black first (for the transparent
    pixels), then up to 255 colours by median cut of the opaque pixels,
    padded with black to the 256 entries of an 8-bit colour table."""
    if bits_per_pixel == 4:
        return WINDOWS_16_COLOURS, len(WINDOWS_16_COLOURS)
    counts = {}
    for r, g, b, a in pixels:
        if a >= OPAQUE_FROM_ALPHA:
            counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    used = [BLACK] + median_cut(counts, 255)
    return used + [BLACK] * (256 - len(used)), len(used)


# --- Icon writing -----------------------------------------------------------

def row_stride(width, bits_per_pixel):
    """Bitmap rows are padded to whole 32-bit words."""
    return (width * bits_per_pixel + 31) // 32 * 4


def icon_image(width, height, rows, bits_per_pixel):
    """One icon image: BITMAPINFOHEADER (height counts the XOR bitmap and the
    AND mask), colour table, XOR bitmap and AND mask, both bottom-up."""
    palette, used = icon_palette([p for row in rows for p in row], bits_per_pixel)
    palette_lab = [to_lab(c) for c in palette[:used]]
    cache = {}

    def index_of(pixel):
        if pixel[3] < OPAQUE_FROM_ALPHA:
            return TRANSPARENT_INDEX
        colour = pixel[:3]
        if colour not in cache:
            cache[colour] = nearest_index(colour, palette_lab)
        return cache[colour]

    xor_bitmap, and_mask = bytearray(), bytearray()
    xor_stride, and_stride = row_stride(width, bits_per_pixel), row_stride(width, 1)
    for row in reversed(rows):
        indices = [index_of(p) for p in row]
        if bits_per_pixel == 4:
            packed = bytearray((indices[x] << 4) | (indices[x + 1] if x + 1 < width else 0)
                               for x in range(0, width, 2))
        else:
            packed = bytearray(indices)
        xor_bitmap += packed.ljust(xor_stride, b"\0")
        mask_row = bytearray(and_stride)
        for x, pixel in enumerate(row):
            if pixel[3] < OPAQUE_FROM_ALPHA:
                mask_row[x // 8] |= 0x80 >> (x % 8)
        and_mask += mask_row

    header = struct.pack("<IiiHHIIiiII", BITMAP_INFO_HEADER_SIZE, width, 2 * height, 1,
                         bits_per_pixel, 0, len(xor_bitmap) + len(and_mask), 0, 0, 0, 0)
    colour_table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colour_table + bytes(xor_bitmap) + bytes(and_mask)


def write_icon(output, png_paths):
    images = []
    for path in png_paths:
        width, height, rows = decode_png(path)
        if not (0 < width <= MAX_ICON_SIDE and 0 < height <= MAX_ICON_SIDE):
            raise IconError(f"{path}: {width}x{height} does not fit an icon (at most {MAX_ICON_SIDE})")
        for bits_per_pixel in (4, 8):
            images.append((width, height, bits_per_pixel,
                           icon_image(width, height, rows, bits_per_pixel)))

    directory = struct.pack("<HHH", 0, ICON_RESOURCE_TYPE, len(images))
    offset = ICON_DIR_SIZE + ICON_DIR_ENTRY_SIZE * len(images)
    for width, height, bits_per_pixel, data in images:
        colour_count = 1 << bits_per_pixel if bits_per_pixel < 8 else 0
        directory += struct.pack("<BBBBHHII", width % MAX_ICON_SIDE, height % MAX_ICON_SIDE,
                                 colour_count, 0, 1, bits_per_pixel, len(data), offset)
        offset += len(data)
    # Written whole under a temporary name, so a failed run leaves no
    # half-written icon that a build would take as up to date.
    temporary = output + ".part"
    with open(temporary, "wb") as file:
        file.write(directory + b"".join(data for *_, data in images))
    os.replace(temporary, output)


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip().splitlines()[-2], file=sys.stderr)
        return 2
    try:
        write_icon(argv[1], argv[2:])
    except (IconError, OSError) as error:
        print(f"make_windows_icon: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
