// The page's language, the browser's first one: French for fr*, else English, whose texts are
// the desktop's translation file's (the context Page, and the core's failure texts), made into
// textes-en.json by scripts/web.
const premiere = navigator.languages?.[0] || navigator.language || 'fr';
export const enAnglais = !premiere.toLowerCase().startsWith('fr');

const anglais = enAnglais ? await (await fetch('textes-en.json')).json() : { page: {}, coeur: {} };
const textes = anglais.page;
// The English of the core's failure texts, {context: {French: English}}; empty in French.
export const anglaisCoeur = anglais.coeur;

// The text in the page's language, with %1, %2... replaced by the arguments, as Qt's arg() does.
export function Tr(francais, ...valeurs) {
  return (textes[francais] ?? francais).replace(/%(\d)/g, (marque, n) => valeurs[n - 1] ?? marque);
}

export const adresseAide = enAnglais ? 'aide/en/index.html' : 'aide/index.html';

// index.html's texts, titles and labels put in English, and the help in English.
export function TraduitPage() {
  if (!enAnglais) return;
  document.documentElement.lang = 'en';
  const parcours = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let n = parcours.nextNode(); n; n = parcours.nextNode()) {
    const texte = n.data.trim();
    if (texte) n.data = n.data.replace(texte, () => Tr(texte));
  }
  for (const attribut of ['title', 'aria-label']) {
    for (const e of document.querySelectorAll(`[${attribut}]`)) e.setAttribute(attribut, Tr(e.getAttribute(attribut)));
  }
  const description = document.querySelector('meta[name="description"]');
  description.content = Tr(description.content);
  for (const lien of document.querySelectorAll('a[href="aide/index.html"]')) lien.href = adresseAide;
}
