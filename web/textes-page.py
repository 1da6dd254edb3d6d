#!/usr/bin/env python3
# The page's English, from the finished translations of a Qt Linguist file, as one JSON file:
#   "page": {French source: English} of the context "Page" (only that context: the desktop's
#           give some sources other English: one French caption, two buttons);
#   "coeur": {context: {French source: English}} of the core's failure texts, the messages
#           found in src/sound/, which the page's translator gives the compiled core.
# Fails when a text of the page (index.html's captions, titles and labels, a quoted text the
# scripts pass to Tr) has no English there, so that none stays French in the English page.
# Usage: web/textes-page.py translations/sampix_en.ts web/page textes-en.json
import json
import re
import sys
from html.parser import HTMLParser
from pathlib import Path
import xml.etree.ElementTree as ET

ts, dossier, sortie = sys.argv[1], Path(sys.argv[2]), sys.argv[3]


def Ajoute(textes, source, traduction):
    if traduction.get('type') or not traduction.text:
        sys.exit(f'{ts} : « {source} » n\'a pas son anglais')
    if textes.setdefault(source, traduction.text) != traduction.text:
        sys.exit(f'{ts} : « {source} » a deux anglais')


page = {}
coeur = {}
# lupdate's relative locations name a file only when it changes from the previous location's.
fichier = ''
for contexte in ET.parse(ts).getroot().iter('context'):
    nom = contexte.findtext('name')
    for message in contexte.iter('message'):
        fichiers = set()
        for location in message.iter('location'):
            fichier = location.get('filename', fichier)
            fichiers.add(fichier)
        source = message.findtext('source')
        if nom == 'Page':
            Ajoute(page, source, message.find('translation'))
        if any(f.startswith('../src/sound/') for f in fichiers):
            Ajoute(coeur.setdefault(nom, {}), source, message.find('translation'))
if not page:
    sys.exit(f'{ts} : pas de contexte Page')
if not coeur:
    sys.exit(f'{ts} : pas de texte de src/sound')


# index.html's texts as TraduitPage finds them: the body's texts, titles and labels, and the
# description.
class TextesIndex(HTMLParser):
    def __init__(self):
        super().__init__()
        self.textes = []
        self.corps = False

    def handle_starttag(self, balise, attributs):
        attributs = dict(attributs)
        self.corps = self.corps or balise == 'body'
        if self.corps:
            self.textes += [attributs[a] for a in ('title', 'aria-label') if a in attributs]
        if balise == 'meta' and attributs.get('name') == 'description':
            self.textes.append(attributs['content'])

    def handle_data(self, texte):
        if self.corps and texte.strip():
            self.textes.append(texte.strip())


index = TextesIndex()
index.feed((dossier / 'index.html').read_text(encoding='utf-8'))
attendus = [(texte, 'index.html') for texte in index.textes]

# A quoted first argument of Tr, its escapes (\n, \', \uXXXX...) read as JavaScript does.
appel = re.compile(r'''\bTr\(\s*(['"`])((?:\\.|(?!\1).)*)\1''', re.DOTALL)
echappement = re.compile(r'\\(u[0-9a-fA-F]{4}|.)', re.DOTALL)
speciaux = {'n': '\n', 't': '\t', 'r': '\r', '0': '\0'}
for script in sorted((dossier / 'js').glob('*.js')):
    for trouve in appel.finditer(script.read_text(encoding='utf-8')):
        texte = echappement.sub(
            lambda e: chr(int(e[1][1:], 16)) if len(e[1]) == 5 else speciaux.get(e[1], e[1]), trouve[2])
        attendus.append((texte, f'js/{script.name}'))

manquants = [f'{ou} : « {texte} »' for texte, ou in attendus if texte not in page]
if manquants:
    sys.exit('Textes de la page sans anglais (à mettre dans web/noyau/TextesPage.cpp, puis '
             'scripts/traductions et leur anglais dans ' + ts + ') :\n' + '\n'.join(manquants))

with open(sortie, 'w', encoding='utf-8') as f:
    json.dump({'page': page, 'coeur': coeur}, f, ensure_ascii=False, indent=0, sort_keys=True)
