#!/usr/bin/env python3
# The page's English: the finished translations of the context "Page" of a Qt Linguist file,
# as a JSON map {French source: English}. Only that context: the desktop's give some sources
# other English (one French caption, two buttons).
# Usage: web/textes-page.py translations/sampix_en.ts textes-en.json
import json
import sys
import xml.etree.ElementTree as ET

textes = {}
for contexte in ET.parse(sys.argv[1]).getroot().iter('context'):
    if contexte.findtext('name') != 'Page':
        continue
    for message in contexte.iter('message'):
        source = message.findtext('source')
        traduction = message.find('translation')
        if traduction.get('type') or not traduction.text:
            sys.exit(f'{sys.argv[1]} : « {source} » n\'a pas son anglais')
        if textes.setdefault(source, traduction.text) != traduction.text:
            sys.exit(f'{sys.argv[1]} : « {source} » a deux anglais')
if not textes:
    sys.exit(f'{sys.argv[1]} : pas de contexte Page')
with open(sys.argv[2], 'w', encoding='utf-8') as sortie:
    json.dump(textes, sortie, ensure_ascii=False, indent=0, sort_keys=True)
