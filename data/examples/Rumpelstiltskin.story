# Rumpelstiltskin, the fairy tale of the miller's daughter who had to spin straw into gold and guess
# a little man's name, storyformed as an example story. See data/README.md for the form of this
# file.

title Rumpelstiltskin

info Synopsis
    A poor miller, wanting to seem important, tells the king that his daughter can spin straw into
    gold. The king locks her in a room full of straw: spin it by morning or die. A little man
    appears and spins it for her necklace, the next night for her ring, and on the third night,
    when she has nothing left, for the promise of her first child. The king marries her. A year
    later the little man comes for the baby; moved by her weeping, he gives her three days to guess
    his name. She tries every name she knows and many she does not; on the last day her messenger
    overhears him singing his name by a fire in the woods. When she names him, he stamps so hard in
    his rage that he sinks into the earth and tears himself in two.
info OSSynopsis
    Everyone wants something: the miller wants standing, the king wants gold, the little man wants
    a living child. One boast sets a chase after gold going, and the bargains it breeds can only be
    escaped by slipping out of them.
info MCSynopsis
    The miller's daughter is caught in a situation not of her making, a prisoner of her father's
    lie and then a queen with a debt hanging over her. She keeps accepting help she cannot pay for,
    until she must stand in the little man's way herself.
info OCSynopsis
    The little man wants what all his magic cannot make: something alive. He will not be talked out
    of it, though her tears move him to give her one chance, because he is sure no one can know his
    name.
info SSSynopsis
    The queen and the little man are bound by promises: each bargain changes what she owes and who
    she is, and the last one turns on a game he cannot resist.
info ThemeSynGen
    The tale sets pursuit against avoidance: everyone chases what they want at any cost, and the
    only way out is to escape the price, not to pay it.

storyform
    Resolve     Steadfast
    Direction   Stop
    Approach    Be-er
    Sex         Intuitive
    Work        Decision
    Limit       Timelock
    Outcome     Success
    Judgment    Good
    STDom       Activity
    STCon       Obtaining
    STRng       Self Interest
    STPbm       Pursuit
    MCDom       Situation
    MCCon       The Future
    MCRng       Preconception
    MCPbm       Help
    OCDom       Fixed Attitude
    OCCon       Innermost Desires
    OCRng       Denial
    OCPbm       Pursuit
    PLDom       Manipulation
    PLCon       Changing One's Nature
    PLRng       Commitment
    PLPbm       Conscience

character The Miller's Daughter
    sex         female
    picture     1
    subjective  main
    archetype   Protagonist
    role        A poor miller's daughter who becomes queen
    description
        Beautiful, frightened and resourceful when it matters; she cannot spin gold, but she can
        keep her head.
    introduction   Her father boasts about her to the king, and she is locked in with the straw.
    dismissal      She keeps her child and her crown, and the little man is gone for good.

character Rumpelstiltskin
    sex         male
    picture     25
    subjective  impact
    archetype   Antagonist
    role        A little man who can spin straw into gold
    description
        Small, quick and proud of his secret name; he asks a high price for his magic and wants a
        living child more than any treasure.
    introduction   The door opens and he walks in, asking why she is crying.
    dismissal      In his fury he stamps himself into the ground and tears himself in two.

character The Miller
    sex         male
    picture     20
    archetype   Contagonist
    role        The girl's father
    description  A poor man who wants to make himself look important before the king.

character The King
    sex         male
    picture     9
    archetype   Emotion
    role        The king of the country
    description  He loves gold, and the more he gets the more he wants.

character The Messenger
    sex         male
    picture     19
    archetype   Guardian
    role        The queen's servant
    description  Sent out to collect names, he comes upon the little man's fire deep in the forest.

character The Child
    sex         male
    picture     23
    role        The queen's first child
    description  The prize of the last bargain.

relationship The Miller's Daughter & Rumpelstiltskin
    He saves her life three times for a price, and comes to take her child; she wins him by his
    name.
relationship The Miller's Daughter & The Miller
    Her father's boast puts her life in danger.
relationship The Miller's Daughter & The King
    He threatens her with death for gold, then marries her for it.
relationship The Miller's Daughter & The Messenger
    A faithful servant who searches the country for names on her behalf.
relationship The Miller's Daughter & The Child
    She will give the kingdom's treasure rather than him.

scene The miller's boast
    description
        To make himself important, the miller tells the king his daughter can spin straw into gold,
        and the king summons her.
    points      Work STDom STType1 STPbm MCDom
    characters  The Miller, The King, The Miller's Daughter

scene The first night
    description
        Locked in a room of straw with a spinning wheel and told she will die if it is not gold by
        morning, she weeps. A little man comes in and spins it all for her necklace.
    points      MCType1 MCPbm OCDom OCType1 Limit
    characters  The Miller's Daughter, Rumpelstiltskin

scene The second night
    description
        The king, greedier than ever, gives her a bigger room. The little man spins it for her ring.
    points      STCon STStp STFoc STDir MCFoc
    characters  The Miller's Daughter, Rumpelstiltskin, The King

scene The third night
    description
        In a still larger room she has nothing left to give, and promises the little man her first
        child. The king marries her.
    points      STType2 PLDom PLCon PLRng MCRng
    characters  The Miller's Daughter, Rumpelstiltskin, The King

scene The little man returns
    description
        A year later, with a baby in her arms, the queen offers him all the riches of the kingdom. He
        wants something living; but when she weeps he gives her three days to guess his name.
    points      Resolve ResOC OCCon OCRng OCType2 PLType2 Approach
    characters  The Miller's Daughter, Rumpelstiltskin, The Child

scene Names she knows
    description
        The queen lists every name she has ever heard. To each one he says that is not his name.
    points      MCType2 MCCon OCType3 OCPbm PLPbm
    characters  The Miller's Daughter, Rumpelstiltskin

scene Names from far away
    description
        Her messengers bring strange names from the whole country; she tries them all, and none is
        his.
    points      STType3 STCrFl STUnRng MCType3 PLType3
    characters  The Miller's Daughter, Rumpelstiltskin, The Messenger

scene The fire in the woods
    description
        Deep in the forest the messenger sees a little man hopping round a fire, singing that nobody
        knows his name is Rumpelstiltskin.
    points      STReq OCDir OCFoc OCUnRng MCStp
    characters  The Messenger, Rumpelstiltskin

scene The name
    description
        On the third day the queen pretends to guess twice, then names him. Shrieking that the devil
        told her, he stamps into the ground and tears himself in two.
    points      STType4 MCType4 OCType4 PLType4 MCSol STSol Outcome Judgment
    characters  The Miller's Daughter, Rumpelstiltskin, The Child

storytelling
    Resolve
        The queen never gives up her child: no bargain, threat or tears will make her hand him over.
    ResOC
        The little man changes: the one who refused every treasure relents and gives her a chance.
    Direction
        She must stop the bargaining: the little man's help must stop before it costs her child.
    Approach
        The queen does not fight; she endures each night, pleads, and bends herself to the task of
        guessing.
    Sex
        She feels her way toward the answer rather than reasoning it out, trying name after name
        until one feels right.
    Work
        Decisions drive the tale: the miller's choice to boast, the king's decree, the promise she
        makes.
    Limit
        Every trial has its hour: gold by morning, three nights, three days to guess.
    Outcome
        She keeps what she set out to keep, her life, her crown and her child.
    Judgment
        The queen ends free of her debt and happy.
    Nature
        It is real work: every night's gold is truly spun, and the name is truly found.
    Essence
        The tale feels like escaping a dread: death in the morning, the loss of a child.
    Tendency
        She is willing: once she has the three days, she throws herself into the search.
    Reach
        The tale reaches neither by argument nor by feeling alone, but by a trick of luck and
        cunning.
    STDom
        The overall story is an activity: spinning, bargaining, searching the country.
    STCon
        Everyone is after obtaining: gold, a queen, a child.
    STRng
        Self interest is the issue: the miller for his vanity, the king for his treasury, the little
        man for his prize.
    STPbm
        The trouble is pursuit: every character chases what they want, and the chase never stops.
    STStp
        Things are measured by what is done: three rooms spun, three gifts given.
    STSol
        Avoidance solves it: the queen slips out of the bargain rather than paying it.
    STFoc
        Everyone tries to control: the king controls her life, the little man sets the terms.
    STDir
        The answers are uncontrolled: greed that grows with each night's gold, and a rage that tears
        itself apart.
    STUnRng
        Attitude speeds things along: the little man's pride makes him sing his own name.
    STCrFl
        Choice slows things: she must choose among countless names.
    STType1
        First, doing: the boast, the imprisonment, the spinning.
    STType2
        Then obtaining: the gold, the marriage, the promise.
    STType3
        Then gathering information: names are collected from all over the land.
    STType4
        Last, understanding: she knows his name.
    STGoal
        The goal is to obtain: the king his gold, the queen her child free of debt.
    STReq
        It requires doing: someone must go out and find the name.
    STRng2
        Against self interest stands morality: a promise is a promise, the little man insists.
    MCDom
        The queen's trouble is her situation: locked in, threatened, bound by a promise.
    MCCon
        Her concern is the future: what will happen in the morning, and to her child.
    MCRng
        She is trapped in everyone's preconception: that a miller's daughter can spin gold, that
        no one could guess the name.
    MCPbm
        Her problem is help: she accepts the little man's help each time, and each time it costs more.
    MCStp
        Her course is measured by how things change: prisoner, then queen, then mother.
    MCSol
        She needs to hinder him, and the name does.
    MCFoc
        She fixes on who holds control over her.
    MCDir
        She answers with uncontrolled tears, which move him.
    MCUnRng
        Her gift is to turn a preconception around: everyone assumes she will fail to guess.
    MCCrFl
        Her morality undermines her: she will not break her word outright.
    MCType1
        First the present: tonight, the straw, the wheel.
    MCType2
        Then the past: every name she has ever known.
    MCType3
        Then how things are changing: names from further and further away.
    MCType4
        Last the future: her child's, secured.
    MCGoal
        What she gains is a future of her own.
    MCReq
        She is warned by the way things keep changing: each bargain takes more than the last.
    MCRng2
        Against preconception stands openness, trying any name at all.
    OCDom
        The little man has a fixed attitude: something living is worth more than all the gold in
        the world.
    OCCon
        His concern is his innermost desire, for a child of his own.
    OCRng
        Denial is his issue: he denies her the child, and cannot believe his secret could be known.
    OCPbm
        His problem is pursuit: he chases his prize to the end.
    OCStp
        His impact is measured in impulsive responses: pity, glee, rage.
    OCSol
        What would have saved him is to let it go.
    OCFoc
        He considers everything carefully, the price and the terms.
    OCDir
        And he reconsiders: he gives her a chance after all.
    OCUnRng
        His gift is denial: he denies her name after name without a flicker.
    OCCrFl
        His flaw is responsibility: he feels bound to keep his word, and gives her the days.
    OCType1
        His impact begins with memories: what she gave him before.
    OCType2
        Then impulsive responses: pity moves him to offer the game.
    OCType3
        Then innermost desires: he dances round his fire, sure of his prize.
    OCType4
        Last, contemplation: he wonders how she could know.
    OCGoal
        The cost of his impact is his heart's desire, which he loses.
    OCReq
        His impact requires an impulse: only in a moment of pity does he give her the chance.
    OCRng2
        Against denial stands closure: the name ends everything.
    PLDom
        Between them all is manipulation: bargains, terms and a game.
    PLCon
        Their relationship changes what she is: prisoner, queen, mother in debt.
    PLRng
        Commitment is the issue: what each has promised the other.
    PLPbm
        The trouble between them is conscience: her promise weighs on her.
    PLStp
        It is measured by the parts they play: rescuer, debtor, creditor.
    PLSol
        Temptation ends it: he cannot resist a game he thinks he will win.
    PLFoc
        They struggle for control: whose terms will hold?
    PLDir
        And they answer without control: weeping, dancing, raging.
    PLUnRng
        Obligation speeds them along: every gift requires a return.
    PLCrFl
        Dreams slow them: his of a child, hers of being free.
    PLType1
        First a plan: a bargain for the necklace.
    PLType2
        Then roles: he the helper, she the one in his debt.
    PLType3
        Then a change of nature: the debtor becomes the hunter of his name.
    PLType4
        Last an idea: his name, conceived at last.
    PLGoal
        What comes of it is a change of nature: she is free, and he is undone.
    PLReq
        It requires each to play the part the bargain gives them.
    PLRng2
        Against commitment stands responsibility: who answers for the promise.
