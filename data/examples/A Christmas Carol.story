# A Christmas Carol, Charles Dickens's ghost story of a miser who is shown his past, present and
# future in one night, storyformed as an example story. See data/README.md for the form of this file.

title A Christmas Carol

info Synopsis
    On Christmas Eve the London money-lender Ebenezer Scrooge turns away his cheerful nephew, two
    gentlemen collecting for the poor and nearly his own clerk. That night the ghost of his dead
    partner Jacob Marley, bound in chains of cash-boxes, warns him that three spirits will come.
    The first shows him his lonely boyhood, his happy apprenticeship and the sweetheart he lost to
    money; the second shows him the poor but merry home of his clerk Bob Cratchit, whose little son
    Tim is failing; the third shows him a death nobody mourns and a grave with his own name on it.
    Scrooge wakes on Christmas morning a changed man, sends the Cratchits a prize turkey, gives to
    the poor, dines with his nephew, and becomes a second father to Tiny Tim, who does not die.
info OSSynopsis
    In a cold, hungry London, people show what they have made of themselves: the comfortable
    excuse the poor, the poor keep their dignity and their feasts, and the dead carry what they made
    of their lives forever. The question is whether anyone can still become something other than
    what habit has made them, before it is too late for a sick child.
info MCSynopsis
    Scrooge has squeezed every feeling out of his life and keeps a grip on every penny, every
    coal and every word. Over one night he is made to remember, to watch and to foresee, until his
    grip on himself finally breaks and he lets his generosity run wild.
info OCSynopsis
    The Spirits, sent by Marley, never argue and never bend. They simply show Scrooge what was,
    what is and what will be, and they will not let him look away or postpone the lesson.
info SSSynopsis
    Between Scrooge and the Spirits there is a struggle over what he will take from the night:
    he tries to bargain, to doubt, to explain them away, and they keep leading him on until he
    gains what they came to give.
info ThemeSynGen
    The story weighs control against abandon: a man who governs everything by rule learns that
    kindness cannot be measured out, and that what one makes of oneself is one's responsibility to
    everyone else.

storyform
    Resolve     Change
    Direction   Stop
    Approach    Be-er
    Sex         Logical
    Work        Action
    Limit       Timelock
    Outcome     Success
    Judgment    Good
    STDom       Manipulation
    STCon       Changing One's Nature
    STRng       Responsibility
    STPbm       Control
    MCDom       Fixed Attitude
    MCCon       Innermost Desires
    MCRng       Hope
    MCPbm       Control
    OCDom       Situation
    OCCon       The Future
    OCRng       Delay
    OCPbm       Logic
    PLDom       Activity
    PLCon       Obtaining
    PLRng       Morality
    PLPbm       Faith

character Ebenezer Scrooge
    sex         male
    picture     6
    subjective  main
    archetype   Antagonist
    role        A London money-lender and the surviving partner of Scrooge and Marley
    description
        A hard, cold, tight-fisted old man who keeps his office dark and his clerk freezing, and
        calls Christmas a humbug.
    background
        A lonely boy left at school over the holidays, then a cheerful apprentice, he gave up his
        sweetheart for the love of gain.
    introduction
        He sits counting money in his office on Christmas Eve and scowls at every greeting.
    dismissal
        He becomes as good a friend, master and man as the old city ever knew, and keeps Christmas
        well.

character The Spirits
    sex         neither
    form        several
    picture     24
    subjective  impact
    archetype   Guardian
    role        Marley's ghost and the three Spirits of Christmas Past, Present and Yet to Come
    description
        Messengers from beyond who come one after another in the night; the first glows like a
        candle, the second is a jolly giant, the third a silent shrouded figure.
    introduction   Marley's face appears in the door knocker.
    dismissal      The last Spirit shrinks into a bedpost.

character Bob Cratchit
    sex         male
    picture     0
    archetype   Sidekick
    role        Scrooge's clerk
    description
        Poorly paid, kind and loyal, he raises a toast to his employer at Christmas dinner when his
        wife will not.

character Tiny Tim
    sex         male
    picture     2
    archetype   Emotion
    role        Bob Cratchit's youngest son
    description  A small, lame, sickly boy with a crutch and a blessing for everyone.

character Fred
    sex         male
    picture     4
    archetype   Protagonist
    role        Scrooge's nephew
    description
        Good-humoured and stubborn in kindness, he invites his uncle to Christmas dinner every year
        and will not be put off.

character Mrs Cratchit
    sex         female
    picture     22
    archetype   Skeptic
    role        Bob's wife
    description  A brave, busy mother who will drink to Scrooge's health only for Bob's sake.

character Belle
    sex         female
    picture     5
    role        Scrooge's sweetheart in his youth
    description  She releases Scrooge from their engagement when she sees that gain has become his idol.

character Mr Fezziwig
    sex         male
    picture     21
    role        Scrooge's old master
    description  A merchant who gives his apprentices a grand Christmas ball and makes everyone happy for a few pounds.

character The Charity Gentlemen
    sex         male
    form        several
    picture     26
    archetype   Reason
    role        Two portly gentlemen collecting for the poor
    description  They call on Scrooge for a donation and are told the prisons and workhouses are enough.

relationship Ebenezer Scrooge & The Spirits
    The Spirits haunt Scrooge for one night; he resists, pleads and finally thanks them.
relationship Ebenezer Scrooge & Bob Cratchit
    Master and clerk: Scrooge begrudges Bob his coal and his holiday, and at the end doubles his salary.
relationship Ebenezer Scrooge & Fred
    Uncle and nephew: Fred's invitation is refused every year until Scrooge turns up at his door.
relationship Ebenezer Scrooge & Tiny Tim
    Scrooge sees the boy only through the Spirits, and becomes a second father to him.
relationship Ebenezer Scrooge & Belle
    Once engaged; she leaves him because he has come to love money more than her.
relationship Ebenezer Scrooge & Mr Fezziwig
    Fezziwig was the generous master Scrooge once loved and now fails to be.
relationship Bob Cratchit & Tiny Tim
    A devoted father who carries his son on his shoulder and grieves for him in the dark future.
relationship Bob Cratchit & Mrs Cratchit
    A loving couple who make a feast out of very little.

scene Christmas Eve at the counting-house
    description
        Scrooge refuses his nephew's invitation, turns away the gentlemen collecting for the poor
        and grudgingly lets Bob Cratchit have the day off.
    points      STDom STType1 MCDom MCFoc Resolve
    characters  Ebenezer Scrooge, Fred, Bob Cratchit, The Charity Gentlemen

scene Marley's ghost
    description
        At home, Scrooge sees Marley's face in the knocker. The ghost appears dragging the chain he
        forged in life and warns Scrooge that three spirits will visit him.
    points      OCDom OCType1 STRng Limit Work
    characters  Ebenezer Scrooge, The Spirits

scene The Ghost of Christmas Past
    description
        The first Spirit takes Scrooge to his lonely school, to his sister Fan, and to Fezziwig's
        Christmas ball, and Scrooge weeps.
    points      MCType1 MCCon PLType1 MCRng
    characters  Ebenezer Scrooge, The Spirits, Mr Fezziwig

scene Belle's farewell
    description
        Scrooge watches his younger self lose Belle, who says a golden idol has taken her place, and
        then sees her years later as a happy mother.
    points      MCPbm MCCrFl MCRng2 STStp
    characters  Ebenezer Scrooge, Belle, The Spirits

scene The Ghost of Christmas Present
    description
        The second Spirit, a giant in a green robe, shows Scrooge the Cratchits' small Christmas
        dinner, Tiny Tim's blessing, and Bob's toast to his stingy master.
    points      STType2 OCType2 MCType2 STFoc OCCon
    characters  Ebenezer Scrooge, The Spirits, Bob Cratchit, Mrs Cratchit, Tiny Tim

scene Games at Fred's house
    description
        At his nephew's party Scrooge, unseen, plays the guessing games with delight and hears
        himself laughed at and pitied.
    points      MCStp MCDir PLType2 STReq
    characters  Ebenezer Scrooge, Fred, The Spirits

scene Ignorance and Want
    description
        Beneath the Spirit's robe crouch two wretched children; when Scrooge asks if they have no
        refuge, the Spirit throws his own words about prisons and workhouses back at him.
    points      STRng2 STUnRng STDir OCRng
    characters  Ebenezer Scrooge, The Spirits

scene The Ghost of Christmas Yet to Come
    description
        The silent third Spirit shows businessmen joking about a death, and thieves selling a dead
        man's bed curtains; the Cratchits mourn Tiny Tim.
    points      STType3 OCType3 MCType3 PLType3 OCUnRng
    characters  Ebenezer Scrooge, The Spirits, Bob Cratchit, Mrs Cratchit

scene The gravestone
    description
        In a neglected churchyard the Spirit points to a grave. Scrooge reads his own name and begs
        to be allowed to change.
    points      OCType4 MCType4 PLPbm OCPbm OCFoc Outcome
    characters  Ebenezer Scrooge, The Spirits

scene Christmas morning
    description
        Scrooge wakes, laughing and crying, sends the biggest turkey to the Cratchits, makes a huge
        gift to the charity gentlemen and goes to dinner at Fred's.
    points      STType4 STSol MCSol STGoal MCGoal Judgment
    characters  Ebenezer Scrooge, Fred, The Charity Gentlemen

scene Bob comes in late
    description
        Scrooge pretends to scold Bob for being late, then raises his salary and promises to help
        his family; Tiny Tim lives.
    points      PLType4 PLGoal PLSol STCrFl ResOC
    characters  Ebenezer Scrooge, Bob Cratchit, Tiny Tim

storytelling
    Resolve
        Scrooge changes utterly: the miser who called Christmas a humbug becomes the man who keeps
        it best.
    ResOC
        The Spirits hold their course; whatever Scrooge says, they show him the next scene.
    Direction
        Scrooge must stop: stop hoarding, stop shutting people out, stop measuring every kindness.
    Approach
        Scrooge does not fix the world around him; he is shown it and changes himself to fit what he
        has seen.
    Sex
        Scrooge thinks like a ledger: cause and effect, debit and credit, prisons for the poor
        because the law provides them.
    Work
        Each visit of a Spirit comes first and forces Scrooge to decide what he makes of it.
    Limit
        Everything happens in one night, with the Spirits arriving on the stroke of the hour.
    Outcome
        What everyone hoped for comes about: a hard heart is softened, and the poor family is helped
        in time.
    Judgment
        Scrooge ends the story light as a feather and happy as an angel.
    Nature
        The trouble is real and really solved: Scrooge truly had to change, and by changing he
        truly saves Tiny Tim.
    Essence
        The story is felt as a flight from a dreaded end: the chains Marley wears, the unmourned
        death, the empty place by the fire.
    Tendency
        Scrooge goes unwillingly; he is dragged from scene to scene and begs each Spirit to stop.
    Reach
        The story makes its case the logical way, one piece of evidence after another, until
        Scrooge can no longer deny the conclusion.
    STDom
        The overall story is a matter of manipulation, of ways of thinking: how people justify the
        way they treat each other.
    STCon
        Everyone's concern is what people become: Marley became his chain, Scrooge is becoming his
        money, and Tiny Tim may become an empty stool.
    STRng
        The story keeps asking who is responsible for whom, the question Scrooge dismisses by
        saying that mankind is no business of his.
    STPbm
        The trouble comes from control: Scrooge controls everything within reach, from his coal to
        his clerk, and his tight grip leaves the poor cold.
    STStp
        How far things have gone is measured by the parts people play: the miser, the loyal clerk,
        the cheerful nephew, the grateful poor.
    STSol
        What sets it right is the uncontrolled: generosity that does not count the cost, laughter
        that cannot be held in.
    STFoc
        People look to conscience: the law, the workhouse, the sense of doing what is proper.
    STDir
        The answer they reach for is temptation: a little indulgence, a feast, a moment's pleasure
        despite the cold.
    STUnRng
        Obligation speeds things up: Marley's ghost is bound to warn his partner, and the Spirits are
        bound to come.
    STCrFl
        Scrooge's usual approach, his settled way of dealing with everyone, holds the change back.
    STType1
        The story starts with ideas being conceived: Christmas is a humbug to Scrooge, a blessing to
        Fred.
    STType2
        Then people play their roles: Bob the patient clerk, Mrs Cratchit the proud mother, Fred the
        host.
    STType3
        Then natures change: a child dies in one future, a man is forgotten in another.
    STType4
        At last plans are made: Scrooge plans his gifts, his visit and the rest of his life.
    STGoal
        The goal is a change of nature: to turn a miser into a generous man.
    STReq
        To get there, everyone must play their part, down to the boy Scrooge sends to buy the turkey.
    STRng2
        Set against responsibility is commitment: the Cratchits' devotion to each other, Fred's
        stubborn kindness.
    MCDom
        Scrooge's trouble is his fixed attitude: Christmas is humbug and the poor deserve what they
        get.
    MCCon
        What Scrooge is concerned with, though he hides it, are his innermost desires: the love he
        gave up and the warmth he has not felt for years.
    MCRng
        Scrooge has lost hope; the visions return it to him piece by piece.
    MCPbm
        Scrooge's problem is control: he grips his money, his feelings and his memories so tightly
        that nothing gets in or out.
    MCStp
        Scrooge's progress is measured by his impulsive responses: tears at the school, a cry for
        Tiny Tim, a laugh at Fred's games.
    MCSol
        What Scrooge needs is to let go, uncontrolled, and on Christmas morning he cannot stop
        laughing.
    MCFoc
        Scrooge attends to logic: it is not his business, he pays his taxes, the poor can go to the
        workhouse.
    MCDir
        The Spirits answer with feeling, and Scrooge begins to respond in kind.
    MCUnRng
        Scrooge's gift for denial keeps him upright: he denies the ghost is real, and so survives
        long enough to hear him out.
    MCCrFl
        Openness undermines his defences: once he lets one memory in, others follow.
    MCType1
        First come memories: the schoolroom, Fan, Fezziwig's ball.
    MCType2
        Then his impulsive responses: he shouts at the Spirit to spare Tim.
    MCType3
        Then his innermost desires come out: to be loved, and to matter to someone.
    MCType4
        Last, contemplation: at the grave he weighs what he has been and what he will be.
    MCGoal
        What Scrooge gains is the innermost wish he had buried: warmth, family, a place at the table.
    MCReq
        He is warned by his own impulsive responses, the pang he feels when the Spirits show him
        what he lost.
    MCRng2
        Against hope stands dream: the Spirits' visions are half dream, and Scrooge wonders if he has
        only dreamed them.
    OCDom
        The Spirits work through situations: they put Scrooge into one scene after another that he
        cannot escape.
    OCCon
        The Spirits bring the future with them: what will happen if nothing changes.
    OCRng
        The Spirits will allow no delay: they come at the hour and will not wait for Scrooge to be
        ready.
    OCPbm
        The Spirits rely on logic, on what follows from what: these shadows will come to pass if
        things go on as they are.
    OCStp
        Their impact is measured by how things are changing: each visit leaves Scrooge more shaken.
    OCSol
        What finally reaches Scrooge is feeling; the Spirits move him to tears.
    OCFoc
        The Spirits aim at Scrooge's conscience, repeating his own hard words back to him.
    OCDir
        They offer the temptation of what might be: a warm hearth, a grateful family.
    OCUnRng
        Their gift is preconception: they know what Scrooge will see before he sees it.
    OCCrFl
        Their weakness is closure: the future they show is not yet fixed, and Scrooge can escape it.
    OCType1
        Marley shows how things have changed for him, bound in the chain he forged.
    OCType2
        The future is announced: three Spirits will come.
    OCType3
        The present is laid out in the Cratchits' kitchen and Fred's parlour.
    OCType4
        The past returns at the grave: everything Scrooge did is written on the stone.
    OCGoal
        The price of the Spirits' work is paid in the future: Scrooge must live with what he has seen.
    OCReq
        Their impact needs things to be changing already: Marley has been dead seven years, and the
        time is short.
    OCRng2
        Against delay stands choice: Scrooge can still choose, and the Spirits make him do it.
    PLDom
        Scrooge and the Spirits are locked in an activity: they travel, fly, walk and watch together
        all night.
    PLCon
        The relationship is about what Scrooge will obtain from it: a lesson, a warning, another
        chance.
    PLRng
        Morality is at stake between them: what a man owes to others.
    PLPbm
        Their trouble is faith: Scrooge will not believe what he sees, and the Spirits ask him to
        take it on trust.
    PLStp
        The relationship is measured by what they do together, one journey after another.
    PLSol
        Scrooge's disbelief turns on himself: once he doubts his own old certainties, the Spirits'
        work is done.
    PLFoc
        Between them the question is one of conscience: whether Scrooge can bear what he sees.
    PLDir
        The Spirits tempt him with glimpses of warmth, and he reaches for them.
    PLUnRng
        Scrooge's attitude speeds the night on: his curiosity and irritation make him follow.
    PLCrFl
        His rationalizations slow it: it is a bit of undigested beef, he says, not a ghost.
    PLType1
        At first Scrooge tries to understand what the visitors are and why they have come.
    PLType2
        Then they set to work together, visiting scene after scene.
    PLType3
        Then Scrooge obtains what they offer: knowledge of what is to come.
    PLType4
        At last he gathers what he needs to know: whether these shadows can still be changed.
    PLGoal
        What the relationship comes to is what Scrooge obtains: a second chance.
    PLReq
        Before anything can come of it, Scrooge and the Spirits must do things together; he cannot
        learn it by being told.
    PLRng2
        Against morality stands self interest: Scrooge first changes for fear of his own grave.
