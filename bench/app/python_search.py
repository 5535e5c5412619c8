#!/usr/bin/env python3
"""The search click as a short Python script would do it: requests.get of the
search page, then str.find to cut out the same six fields of every row.

    python_search.py <url> <iterations>

Prints the mean seconds per iteration."""
import sys
import time

import requests


def between(text, left, right, start=0):
    i = text.find(left, start)
    if i < 0:
        return "", -1
    i += len(left)
    j = text.find(right, i)
    if j < 0:
        return "", -1
    return text[i:j], j + len(right)


def search(url):
    reply = requests.get(url)
    reply.encoding = "utf-8"
    body, _ = between(reply.text, "<tbody>", "</tbody>")
    lines = []
    position = 0
    while True:
        row, position = between(body, "<tr>", "</tr>", position)
        if position < 0 or not row.strip():
            break
        page_id, _ = between(row, "summoner/", ".html")
        links = []
        at = 0
        while True:
            link, at = between(row, '.html">', "</a>", at)
            if at < 0 or not link.strip():
                break
            links.append(link.strip())
        line = [page_id, "", "", "", "", ""]
        if len(links) in (5, 6):
            line[5], _ = between(links[0], 'src="', '"')
            line[1], line[2] = links[1], links[2]
            if len(links) == 5:
                line[3], line[4] = "无段位", links[3]
            else:
                line[3], line[4] = links[3].replace("&nbsp;", ""), links[4]
        lines.append(line)
    return lines


def main():
    url, iterations = sys.argv[1], int(sys.argv[2])
    search(url)  # warm-up
    started = time.perf_counter()
    for _ in range(iterations):
        search(url)
    print((time.perf_counter() - started) / iterations)


if __name__ == "__main__":
    main()
