"""Reads a blog feed with feedparser: no bozo, the channel title and each item title as given.

usage: check_newsfeed.py FEED CHANNEL_TITLE ITEM_TITLE...
"""
import sys

import feedparser

feed = feedparser.parse(sys.argv[1])
problems = []
if feed.bozo:
    problems.append("bozo: %r" % (feed.bozo_exception,))
if feed.feed.get("title") != sys.argv[2]:
    problems.append("channel title %r" % (feed.feed.get("title"),))
titles = [entry.get("title") for entry in feed.entries]
if titles != sys.argv[3:]:
    problems.append("item titles %r" % (titles,))
for entry in feed.entries:
    if not entry.get("published_parsed") or entry.published_parsed[3:6] != (0, 0, 0):
        problems.append("item date %r" % (entry.get("published"),))
print("\n".join(problems))
sys.exit(1 if problems else 0)
